#include "ui/pages/Captions.h"

#include <QCoreApplication>

namespace quelta::ui {

QString Captions::translated(const char *source)
{
    return QCoreApplication::translate("Pages", source);
}

void Captions::add(std::function<void(const QString &)> apply, const char *source)
{
    apply(translated(source));
    captions_.push_back({std::move(apply), source});
}

void Captions::retranslate() const
{
    for (const Caption &caption : captions_)
        caption.apply(translated(caption.source));
}

} // namespace quelta::ui
