#include "core/base/ViewState.h"

namespace quelta {

QString viewName(View view)
{
    switch (view) {
    case View::Estat: return QStringLiteral("Estat");
    case View::Programacio: return QStringLiteral("Programacio");
    case View::LlistaCircuits: return QStringLiteral("LlistaCircuits");
    case View::Actualitzacions: return QStringLiteral("Actualitzacions");
    case View::Mapa: return QStringLiteral("Mapa");
    }
    return {};
}

void ViewState::setPanelmostrat(View view)
{
    if (view == panelmostrat_)
        return;
    panelmostrat_ = view;
    emit panelmostratChanged(view);
}

void ViewState::setResultText(const QString &text)
{
    if (text == resultText_)
        return;
    resultText_ = text;
    emit resultTextChanged(text);
}

} // namespace quelta
