#include "core/cloud/CloudError.h"

namespace quelta {

CloudError CloudError::service(int status, const QString &code, const QString &text)
{
    return {CloudErrorKind::Service, status, code, text};
}

CloudError CloudError::of(CloudErrorKind kind, const QString &text)
{
    return {kind, 0, {}, text};
}

} // namespace quelta
