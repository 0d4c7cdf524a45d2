#include "core/panels/PanelEventLists.h"

#include "core/base/DiagnosticTrace.h"
#include "core/base/FormatSettings.h"
#include "core/base/NamedStrings.h"
#include "core/base/Prompter.h"
#include "core/base/ViewState.h"
#include "core/link/LinkState.h"
#include "core/panels/PanelDisplay.h"
#include "core/panels/PanelEventSource.h"
#include "core/panels/PanelTexts.h"
#include "core/panels/StateFields.h"

#include <QDateTime>
#include <QJsonDocument>
#include <QJsonObject>

namespace quelta {
namespace {

using fields::hexValue;
using fields::padded;

const QString kTab = QStringLiteral("\t");

QString withoutQuotes(QString text)
{
    text.remove(QLatin1Char('"'));
    text.remove(QLatin1Char('\''));
    return text;
}

// The names of the ID3000 device types, by their number.
QString id3000DeviceType(int type)
{
    static const char *const names[16] = {
        QT_TRANSLATE_NOOP("Panels", "Equipo no configurado"),
        QT_TRANSLATE_NOOP("Panels", "Sensor Térmico"),
        QT_TRANSLATE_NOOP("Panels", "Sensor Iónico"),
        QT_TRANSLATE_NOOP("Panels", "Sensor Óptico (Fotoeléctrico)"),
        "",
        QT_TRANSLATE_NOOP("Panels", "Pulsador Manual de Alarma (MCP)"),
        QT_TRANSLATE_NOOP("Panels", "Módulo de Control salida"),
        QT_TRANSLATE_NOOP("Panels", "Módulo de Entrada"),
        QT_TRANSLATE_NOOP("Panels", "Módulo de Sistemas de Sprinkler"),
        QT_TRANSLATE_NOOP("Panels", "Sensor VIEW"),
        QT_TRANSLATE_NOOP("Panels", "Módulo CDI de Zonas Convencionales"),
        QT_TRANSLATE_NOOP("Panels", "Salida de Sirena"),
        QT_TRANSLATE_NOOP("Panels", "Módulo AUXILIAR (señal técnica)"),
        QT_TRANSLATE_NOOP("Panels", "Módulo Monitor de Zonas Convencionales (ZMX o M512)"),
        QT_TRANSLATE_NOOP("Panels", "Sensor Multicriterio"),
        "",
    };
    return type >= 0 && type < 16 && *names[type] ? PanelTexts::tr(names[type]) : QString();
}

// The AD300 fault types and the named strings that describe them.
QString ad300FaultName(const NamedStrings &strings, const QString &type)
{
    static const QHash<QString, const char *> names = {
        {QStringLiteral("64"), "rsADLlac"},     {QStringLiteral("65"), "rsADSir"},   {QStringLiteral("66"), "rsADAlim"},
        {QStringLiteral("67"), "rsADTerra"},    {QStringLiteral("68"), "rsADFora"},  {QStringLiteral("69"), "rsADSistema"},
        {QStringLiteral("6A"), "rsAD232"},      {QStringLiteral("00"), "rsADNoRespon"}, {QStringLiteral("01"), "rsADDoble"},
        {QStringLiteral("02"), "rsADTipus"},    {QStringLiteral("03"), "rsADTall"},  {QStringLiteral("04"), "rsADCreu"},
        {QStringLiteral("05"), "rsADBrut"},
    };
    const char *name = names.value(type.toUpper());
    return name ? strings.GetNamedResourceString(QString::fromLatin1(name)).value_or(QString()) : QString();
}

const char *const kBcBoxes[] = {"REBC600", "REBC216"};

bool isBc216(PanelFamily family)
{
    return family == PanelFamily::Bc216;
}

QString bcBox(PanelFamily family)
{
    return QLatin1String(kBcBoxes[isBc216(family) ? 1 : 0]);
}

QString bcHeading(PanelFamily family)
{
    return isBc216(family) ? QStringLiteral("LNumBC216") : QStringLiteral("LNumBC600");
}

// One BC event: the zone and element from the key, the time, the event, zone and element texts.
QStringList bcEventLines(const QString &key, const QJsonObject &event, const FormatSettings &format)
{
    QString zone = key.mid(4, 4);
    while (zone.size() > 1 && zone.startsWith(QLatin1Char('0')))
        zone.remove(0, 1);
    const QString element = key.mid(9, 3);
    const qint64 seconds = event.value(QStringLiteral("time")).toString().toLongLong(nullptr, 16);
    const QString time = format.shortTime(QDateTime::fromSecsSinceEpoch(seconds).time());
    const auto field = [&event](const char *name) { return withoutQuotes(event.value(QLatin1String(name)).toString()); };
    const QString text = field("eventText");
    const QString first = element == QLatin1String("FFF")
        ? QStringLiteral("  ") + zone + QString(6, QLatin1Char(' ')) + text + QStringLiteral("   ") + time
        : QStringLiteral("  ") + zone + QLatin1Char('/') + element + QLatin1Char(' ') + text + QStringLiteral("   ") + time;
    return {first, QStringLiteral("  \t") + field("zoneText"), QStringLiteral("  \t") + field("elementText")};
}

} // namespace

const QList<BcCounter> &bcCounters()
{
    static const QList<BcCounter> counters = {
        {1, "Alarm", "Alarmes", QT_TRANSLATE_NOOP("Panels", "Alarmas")},
        {2, "Output", "Sortides", QT_TRANSLATE_NOOP("Panels", "Salidas activadas")},
        {3, "Message", "Missatges", QT_TRANSLATE_NOOP("Panels", "Mensajes técnicos")},
        {4, "Fault", "Avaries", QT_TRANSLATE_NOOP("Panels", "Averías")},
        {5, "Disable", "Desconnexions", QT_TRANSLATE_NOOP("Panels", "Desconexiones")},
        {6, "Test", "Proves", QT_TRANSLATE_NOOP("Panels", "Pruebas")},
    };
    return counters;
}

QString bcCounterLabel(PanelFamily family, const BcCounter &counter)
{
    return bcHeading(family) + QLatin1String(counter.name);
}

QString syncroCaption(int kind, bool fromCloud)
{
    static const char *const captions[] = {
        QT_TRANSLATE_NOOP("Panels", "FUEGO: "),     QT_TRANSLATE_NOOP("Panels", "EVACUACIÓN: "),
        QT_TRANSLATE_NOOP("Panels", "ALERTA: "),    QT_TRANSLATE_NOOP("Panels", "PREALARMA: "),
        QT_TRANSLATE_NOOP("Panels", "SEGURIDAD: "), QT_TRANSLATE_NOOP("Panels", "AVERÍA: "),
        QT_TRANSLATE_NOOP("Panels", "DESACTIVACIÓN: "), QT_TRANSLATE_NOOP("Panels", "ALARMA TÉCNICA: "),
    };
    if (kind == 9)
        return fromCloud ? PanelTexts::tr("MODO DE PRUEBA") : PanelTexts::tr("PRUEBA: ");
    return kind >= 1 && kind <= 8 ? PanelTexts::tr(captions[kind - 1]) : QString();
}

QStringList syncroEventLines(const SyncroEvent &event, bool fromCloud)
{
    const QString caption = syncroCaption(event.kind, fromCloud);
    const QString headed = kTab + QStringLiteral("* ") + caption + QStringLiteral(" *");
    const QString zone = QString::number(event.zone);
    if (event.zone < 1) {
        if (event.type == QLatin1String("1C") || event.type == QLatin1String("1D"))
            return {headed, QStringLiteral("LOOP= ") + QString::number(event.address + 1) + QStringLiteral("   CENT= 1"),
                    event.type == QLatin1String("1C") ? PanelTexts::tr("Corto circuito en lazo") : PanelTexts::tr("Circuito abierto en lazo")};
        if (event.type == QLatin1String("12")) {
            QStringList lines;
            const QString where = PanelTexts::tr("ZONA") + QLatin1Char(' ') + zone + QStringLiteral(" *");
            if (event.address >= 0 && event.address <= 3)
                lines << kTab + QStringLiteral("* AVERIAS: ACUSTICO ") + QString::number(event.address + 1) + QLatin1Char(' ')
                        + where;
            else if (event.address == 8)
                lines << kTab + QStringLiteral("* AVERIAS: AVISO DE FUEGO ") + where;
            else if (event.address == 9)
                lines << kTab + QStringLiteral("* AVERIAS: EXTINCION ") + where;
            else if (event.address == 11)
                lines << kTab + QStringLiteral("* AVERIAS: AVISO DE AVERIA ") + where;
            return lines << PanelTexts::tr("Avería de salida supervisada");
        }
        return {QStringLiteral("AD=") + padded(event.address, 3) + QStringLiteral("   LP=") + QString::number(event.loop)
                    + QStringLiteral("   CENT= 1"),
                event.text};
    }
    if (event.kind == 7)
        return {headed, PanelTexts::tr("ZONA") + QLatin1Char('=') + zone, PanelTexts::tr("desactivado zona")};
    if (event.kind == 9)
        return {headed, PanelTexts::tr("ZONA") + QLatin1Char('=') + zone + QStringLiteral("   CENT=1"), PanelTexts::tr("Modo de prueba audible")};
    return {kTab + QStringLiteral("* ") + caption + PanelTexts::tr("ZONA") + QStringLiteral("  ") + padded(event.zone, 2)
                + QStringLiteral(" *"),
            QStringLiteral("AD=") + padded(event.address, 3) + QStringLiteral(".00   LP=") + QString::number(event.loop)
                + QStringLiteral("   CENT= 01"),
            event.text};
}

PanelEventLists::PanelEventLists(PanelDisplay &display, PanelEventSource &source, const LinkState &link,
                                 const ViewState &views, const FormatSettings &format, const NamedStrings &namedStrings,
                                 Prompter &prompter, DiagnosticTrace &trace, QObject *parent)
    : QObject(parent)
    , display_(display)
    , source_(source)
    , link_(link)
    , views_(views)
    , format_(format)
    , namedStrings_(namedStrings)
    , prompter_(prompter)
    , trace_(trace)
{
}

QString PanelEventLists::path(const QString &list) const
{
    return QStringLiteral("Equipments/") + link_.identConnectar + QLatin1Char('/') + list;
}

QString PanelEventLists::read(const QString &list)
{
    const QString text = source_.AgafaRegistre(path(list));
    showReadError();
    return text;
}

// The record without quotes, in its non-empty lines.
QStringList PanelEventLists::readPieces(const QString &list)
{
    return withoutQuotes(read(list)).split(QLatin1Char('\r'), Qt::SkipEmptyParts);
}

void PanelEventLists::showReadError()
{
    const QString error = source_.ErrorFirebase();
    if (error.isEmpty())
        return;
    prompter_.ElMeuMessageDlg({dialog::error(), error + QLatin1Char('\n') + PanelTexts::tr("Compruebe la conexión a internet"),
                               DialogType::Error, {DialogResult::Ok}, {QStringLiteral("    Aceptar   ")}, 8});
}

int PanelEventLists::bcSelected(PanelFamily family) const
{
    return isBc216(family) ? bc216Selected_ : bc600Selected_;
}

void PanelEventLists::selectBcCounter(PanelFamily family, int tag)
{
    const auto counter = std::find_if(bcCounters().begin(), bcCounters().end(),
                                      [tag](const BcCounter &c) { return c.tag == tag; });
    if (counter == bcCounters().end())
        return;
    (isBc216(family) ? bc216Selected_ : bc600Selected_) = tag;
    const int count = display_.counter(bcCounterLabel(family, *counter));
    display_.setCaption(bcHeading(family), QString::number(count) + QString(5, QLatin1Char(' ')) + PanelTexts::tr(counter->caption));
    if (count <= 0) {
        display_.clearLines(bcBox(family));
        display_.setFont(bcBox(family), colour::blue);
        return;
    }
    showBcList(family);
    display_.setFont(bcBox(family), colour::red);
}

void PanelEventLists::showBcList(PanelFamily family)
{
    const int tag = bcSelected(family);
    if (tag < 1 || tag > bcCounters().size())
        return;
    const QString box = bcBox(family);
    display_.clearLines(box);
    const QString text = read(QStringLiteral("BC600/Events/") + QLatin1String(bcCounters().at(tag - 1).kind));
    const QJsonObject events = QJsonDocument::fromJson(text.toUtf8()).object();
    for (auto it = events.begin(); it != events.end(); ++it) {
        if (!it->isObject())
            break;
        if (it != events.begin())
            display_.addLine(box, {QString(75, QLatin1Char('-'))});
        display_.addLines(box, bcEventLines(withoutQuotes(it.key()), it->toObject(), format_));
    }
}

// Each line: "kkkkTTAALLZ...:...:text"; the last piece is what follows the last event.
QString PanelEventLists::AgafaEventsSyncro(const QString &kind)
{
    QString text = read(QStringLiteral("Syncro/Events/") + kind).remove(QLatin1Char('"'));
    if (text.isEmpty())
        return {};
    text.remove(QLatin1Char('{'));
    text.remove(QLatin1Char('}'));
    QStringList pieces = text.split(QLatin1Char('\r'));
    pieces.removeLast();
    QStringList lines;
    for (const QString &piece : pieces) {
        const QStringList items = piece.split(QLatin1Char(':'));
        const QString code = items.value(0).trimmed();
        const SyncroEvent event{fields::number(code.mid(0, 4)), code.mid(4, 2), hexValue(code.mid(6, 2)).value_or(0),
                                fields::number(code.mid(8, 2)) + 1, hexValue(code.mid(10)).value_or(0),
                                items.value(2)};
        lines << syncroEventLines(event, true);
    }
    return lines.join(QStringLiteral("\r\n"));
}

void PanelEventLists::AgafaEventsAD300(const QString &kind, int total)
{
    const QString memo = QStringLiteral("MAD300");
    int n = 1;
    for (const QString &piece : readPieces(QStringLiteral("Syncro/Events/") + kind)) {
        const QString type = piece.mid(4, 2);
        const std::optional<int> address = hexValue(piece.mid(6, 2));
        const std::optional<int> loop = hexValue(piece.mid(8, 2));
        const std::optional<int> panel = hexValue(piece.mid(10, 2));
        const std::optional<int> zone = hexValue(piece.mid(12, 2));
        if (!address || !loop || !panel || !zone || !hexValue(type))
            break;
        if (kind == QLatin1String("Fire") && *zone >= 1 && *zone <= 19)
            display_.setTag(QStringLiteral("SAD300L") + QString::number(*zone), 2);
        const qsizetype brace = piece.indexOf(QLatin1Char('{'));
        const QString text = brace < 0 ? QString()
                                       : piece.mid(brace + 1).remove(QLatin1Char('}')).replace(QLatin1Char(':'), QLatin1Char('='))
                                             .section(QLatin1Char('='), 1, 1);
        display_.addLine(memo, {PanelTexts::tr("Evento: ") + QString::number(n++) + PanelTexts::tr(" de ") + QString::number(total)});
        const QString central = QString::number(*panel);
        const QStringList located = {
            QStringLiteral("Cent : ") + central + kTab + QStringLiteral("Zona : ") + QString::number(*zone)
                + QStringLiteral("  ") + text.left(20),
            QStringLiteral("Lazo: ") + QString::number(*loop) + kTab + QStringLiteral("Dir.  : ") + QString::number(*address)
                + QStringLiteral("  ") + text.mid(20)};
        if (kind == QLatin1String("Fault")) {
            display_.addLine(memo, {kTab + QStringLiteral("** ") + ad300FaultName(namedStrings_, type) + QStringLiteral(" **")});
            if (*hexValue(type) < 100)
                display_.addLines(memo, located);
            else
                display_.addLines(memo, {QString(5, QLatin1Char(' ')) + text, kTab + kTab + QStringLiteral("Central:  ") + central});
        } else if (kind == QLatin1String("Disablement")) {
            display_.addLines(memo, {kTab + QStringLiteral("** ") + PanelTexts::tr("DESCONEXION ZONA") + QStringLiteral(" **"), located.at(0)});
        } else if (kind == QLatin1String("Fire")) {
            display_.addLine(memo, {kTab + kTab + QStringLiteral("*** ") + PanelTexts::tr("Alarma").toUpper() + QStringLiteral(" ***")});
            if (*zone != 0)
                display_.addLines(memo, located);
            else
                display_.addLines(memo, {QStringLiteral("   ") + text, kTab + kTab + QStringLiteral("Central: ") + central});
        }
        display_.addLine(memo, {QStringLiteral(" ")});
    }
}

QString PanelEventLists::AgafaBuzzerAndNums()
{
    return read(QStringLiteral("Syncro/Events/buzzerAndNums")).remove(QLatin1Char('"'));
}

void PanelEventLists::AgafaEventsID3000(const QString &kind)
{
    display_.clearLines(QStringLiteral("REID3000Pantalla"));
    appendId3000List(kind);
}

void PanelEventLists::appendId3000List(const QString &kind)
{
    for (const QString &piece : readPieces(QStringLiteral("Syncro/Events/") + kind))
        addId3000Event(piece);
}

// "kkkkEVTPPPllzzz: {eventText:TIPO  tt PUNT description...}"
void PanelEventLists::addId3000Event(const QString &event)
{
    const qsizetype split = event.indexOf(QStringLiteral(": {"));
    if (split < 0)
        return;
    const QString key = event.left(split).trimmed();
    const int kind = fields::number(key.mid(0, 4));
    static const QHash<int, const char *> headings = {{1, QT_TRANSLATE_NOOP("Panels", "Alarma")},
                                                      {6, QT_TRANSLATE_NOOP("Panels", " Avería")},
                                                      {7, QT_TRANSLATE_NOOP("Panels", "Anulado")},
                                                      {9, QT_TRANSLATE_NOOP("Panels", " Prueba")}};
    if (!headings.contains(kind))
        return;
    QString rest = event.mid(split + 3);
    rest.remove(QLatin1Char('}'));
    rest.replace(QLatin1Char(':'), QLatin1Char('='));
    const qsizetype at = rest.indexOf(QStringLiteral("eventText="));
    const QString value = at < 0 ? QString() : rest.mid(at + 10).section(QLatin1Char(','), 0, 0);
    // The display is olive while the panel is live, silver otherwise; its text stands out in black.
    const Colour shade = display_.live() ? colour::darkYellow : colour::silver;
    const QString box = QStringLiteral("REID3000Pantalla");
    display_.addLine(box, {PanelTexts::tr(headings.value(kind)) + QStringLiteral(": ") + PanelTexts::tr("ZONA") + QStringLiteral("   ")
                               + QString::number(fields::number(key.mid(12, 3))) + QString(36, QLatin1Char(' ')),
                           colour::black, true, 14});
    display_.addLines(box, {PanelTexts::tr("DESCRIPCION") + QStringLiteral(": ID3000           L")
                                + QString::number(fields::number(key.mid(10, 2))) + QStringLiteral("  ") + key.mid(7, 3),
                            value.mid(14), id3000DeviceType(fields::number(value.mid(6, 2))), QString()},
                      colour::black);
    display_.setFill(box, shade);
}

void PanelEventLists::selectId3000List(const QString &label)
{
    static const QList<std::pair<const char *, const char *>> labels = {{"LAlarmaID3000", "Fire"},
                                                                         {"LAvariaID3000", "Fault"},
                                                                         {"LAnullatID3000", "Disablement"},
                                                                         {"LProvaID3000", "Test"}};
    for (const auto &[name, kind] : labels) {
        display_.setBold(QLatin1String(name), label == QLatin1String(name));
        if (label == QLatin1String(name))
            AgafaEventsID3000(QLatin1String(kind));
    }
}

void PanelEventLists::AgafaEventsAvenarBosch(const QString &kind, const QString &word)
{
    const QString box = QStringLiteral("REAvenarBoschPantalla");
    display_.clearLines(box);
    const bool red = kind == QLatin1String("Fire") || kind == QLatin1String("Control");
    display_.setFill(box, red ? colour::white : colour::black);
    const Colour font = red ? colour::red : colour::lemon;
    int i = 0;
    for (const QString &piece : readPieces(QStringLiteral("Bosch/Events/") + kind)) {
        const std::optional<int> address = hexValue(piece.mid(4, 4));
        const std::optional<int> sub = hexValue(piece.mid(8, 2));
        if (!address || !sub)
            break;
        if (i > 0)
            display_.addLine(box, {QString(), font});
        display_.addLines(box,
                          {word + kTab + PanelTexts::tr("Dirección lógica") + kTab + padded(*address, 4) + QLatin1Char('-') + padded(*sub, 2),
                           QLatin1Char('#') + padded(++i, 3)},
                          font);
    }
}

void PanelEventLists::selectAvenarBoschList(const QString &panel)
{
    struct Selector
    {
        const char *panel;
        const char *counter;
        const char *kind;
        const char *word;
    };
    static const Selector selectors[] = {
        {"PAvenarBoschFoc", "LNumAvenarBoschFoc", "Fire", QT_TRANSLATE_NOOP("Panels", "Fuego")},
        {"PAvenarBoschFallo", "LNumAvenarBoschFallo", "Fault", QT_TRANSLATE_NOOP("Panels", "Fallo")},
        {"PAvenarBoschAnullat", "LNumAvenarBoschAnul", "Disable", QT_TRANSLATE_NOOP("Panels", "Anulado")},
        {"PAvenarBoschControl", "LNumAvenarBoschControl", "Control", QT_TRANSLATE_NOOP("Panels", "Control")},
    };
    for (const Selector &selector : selectors) {
        if (panel == QLatin1String(selector.panel) && display_.counter(QLatin1String(selector.counter)) != 0)
            AgafaEventsAvenarBosch(QLatin1String(selector.kind), PanelTexts::tr(selector.word));
    }
}

bool PanelEventLists::acceptsNotice() const
{
    return views_.isShown(View::Estat) && !link_.identConnectar.isEmpty();
}

// "C4": characters 2-4 name the counter whose list changed.
void PanelEventLists::Event_Central_BC(PanelFamily family, const QString &payload)
{
    if (!acceptsNotice())
        return;
    const int tag = fields::number(payload.mid(1, 3));
    if (tag >= 1 && tag <= 6 && tag == bcSelected(family))
        showBcList(family);
}

// "kind|type|address|loop|zone|text": one event, added to the Syncro memo. Its text line shows the
// event's text, not the address a second time.
void PanelEventLists::Event_Central_Syncro(const QString &payload)
{
    if (!acceptsNotice())
        return;
    trace_.Escriure_REPortserie(QStringLiteral("Event_Central_Syncro : ") + payload);
    const QStringList items = payload.split(QLatin1Char('|'));
    if (items.size() != 6)
        return;
    const SyncroEvent event{fields::number(items.at(0)), items.at(1), hexValue(items.at(2)).value_or(0),
                            fields::number(items.at(3)), hexValue(items.at(4)).value_or(0), items.at(5)};
    const QString caption = syncroCaption(event.kind, false);
    if (caption.isEmpty())
        return;
    QStringList lines = syncroEventLines(event, false);
    if (!lines.isEmpty())
        lines.first().prepend(caption);
    display_.addLines(QStringLiteral("MSyncroPantalla"), lines);
}

void PanelEventLists::Event_Central_ID3000(const QString &payload)
{
    if (!acceptsNotice())
        return;
    trace_.Escriure_REPortserie(QStringLiteral("Event_Central_ID3000 : ") + payload);
    addId3000Event(payload);
}

} // namespace quelta
