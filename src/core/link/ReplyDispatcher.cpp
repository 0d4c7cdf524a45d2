#include "core/link/ReplyDispatcher.h"

#include "core/base/DiagnosticTrace.h"
#include "core/codecs/AnsiCodec.h"

namespace quelta {
namespace {

constexpr QChar kCR = QLatin1Char('\r');

bool isBlockErase(const QString &line)
{
    static const char *const blocks[] = {"80xx", "91xx", "92xx", "93xx", "94xx", "96xx"};
    for (const char *block : blocks) {
        if (line.contains(QLatin1String(block)))
            return true;
    }
    return false;
}

bool isStreamOn(const QString &line, ReplyPath path)
{
    return line.contains(QLatin1String("+Inf:"))
        || (path == ReplyPath::Remote && line.contains(QLatin1String("+INf:")));
}

// Blue for "+in<digit>" lines without their prefix, magenta for other captured lines, dark red for
// noise outside any line.
std::pair<QString, TraceColour> mirrorText(const QString &captured, const QString &mirror)
{
    if (captured.size() > 3 && captured.startsWith(QLatin1String("+in")) && captured.at(3).isDigit())
        return {captured.mid(3), TraceColour::Blue};
    if (captured.size() >= 3)
        return {captured, TraceColour::Magenta};
    return {mirror, TraceColour::DarkRed};
}

} // namespace

ReplyKind classifyReply(const QString &line, const LinkState &link, ReplyPath path)
{
    if (line.contains(QLatin1String(":Protect")))
        return ReplyKind::Lock;
    if (line.contains(QLatin1String("+U")))
        return ReplyKind::UpdateRelay;
    if (line.contains(QLatin1String("+ver:")) || line.contains(QLatin1String("+vEr:")))
        return ReplyKind::Identification;
    if (isStreamOn(line, path))
        return ReplyKind::StreamOn;
    // Operators lines are replies ("+..."): a status frame arriving meanwhile is not one of them.
    if (link.espero == QLatin1String("+85xx") && line.startsWith(QLatin1Char('+')) && line.contains(QLatin1Char(':')))
        return ReplyKind::Operators;
    if (line.contains(QLatin1String("xxx:Initialized")))
        return ReplyKind::Initialised;
    if (line.contains(QLatin1String(":Erased")) && !isBlockErase(line))
        return ReplyKind::Erased;
    if (link.puntercamp == QLatin1String("xxx") && line.contains(QLatin1Char('+')) && line.contains(QLatin1Char(':')))
        return ReplyKind::WildcardLine;
    if (!link.espero.isEmpty() && line.contains(link.espero + QLatin1Char(':')))
        return ReplyKind::AwaitedReply;
    if (link.inf && line.contains(QLatin1String("{#")))
        return ReplyKind::StatusFrame;
    return ReplyKind::Ignored;
}

ReplyDispatcher::ReplyDispatcher(LinkState &link, DiagnosticTrace &trace, QObject *parent)
    : QObject(parent)
    , link_(link)
    , trace_(trace)
{
    captured_.reserve(kBufferSize);
}

void ReplyDispatcher::ComPortRxChar(QByteArrayView bytes)
{
    link_.tempsRX = 2;
    for (const QChar c : ansi::decode(bytes))
        receiveCharacter(c);
}

void ReplyDispatcher::receiveCharacter(QChar c)
{
    if (mirror_.size() < kBufferSize)
        mirror_.append(c);
    if (!capturing_ && (c == QLatin1Char('+') || c == QLatin1Char('{')))
        capturing_ = true;
    if (capturing_ && captured_.size() < kBufferSize)
        captured_.append(c);
    // A status frame ends with its own closing brace and needs no CR; braces inside it (an
    // ID3000 event's text) nest.
    if (c == QLatin1Char('{'))
        ++braceDepth_;
    const bool frameClosed = c == QLatin1Char('}') && --braceDepth_ <= 0;
    if (c == kCR || frameClosed) {
        braceDepth_ = 0;
        endSerialLine();
    }
}

void ReplyDispatcher::endSerialLine()
{
    mirrorToConsole();
    mirror_.clear();
    if (!captured_.isEmpty()) {
        const QString line = captured_;
        captured_.clear();
        capturing_ = false;
        handle(classifyReply(line, link_, ReplyPath::Serial), line, ReplyPath::Serial);
    }
}

void ReplyDispatcher::mirrorToConsole()
{
    const auto [text, colour] = mirrorText(captured_, mirror_);
    trace_.Escriure_REPortserie(QStringLiteral("ComPortRx --> : ") + text, colour);
}

void ReplyDispatcher::RebutIP(const QString &text)
{
    trace_.Escriure_REPortserie(QStringLiteral("RebutIP= ") + text);
    link_.tempsRX = 2;
    if (text.contains(QLatin1String(":Protect"))) {
        emit lineReceived({text, ReplyKind::Lock, ReplyPath::Remote});
        link_.protegit = true;
        return;
    }
    QString rest = text.contains(kCR) ? text : text + kCR;
    for (qsizetype end = rest.indexOf(kCR); end >= 0; end = rest.indexOf(kCR)) {
        const QString line = rest.left(end + 1);
        rest.remove(0, end + 1);
        link_.vegades_espero = 10;
        emit remoteLineArrived();
        handle(classifyReply(line, link_, ReplyPath::Remote), line, ReplyPath::Remote);
    }
}

void ReplyDispatcher::RebutIPCentral(const QByteArray &payload)
{
    trace_.Escriure_REPortserie(QStringLiteral(" Resposta Central (APayload): ")
                                + QString::fromLatin1(payload.toHex(' ').toUpper()));
    emit panelBytes(payload);
    link_.tempsRX = 2;
}

// The awaited answer, a wildcard line or an operators line: the watchdog is fed and the line handed
// over. A remote line keeps the ten tries it was given on arrival.
void ReplyDispatcher::acceptLine(const QString &line, ReplyPath path)
{
    link_.tempsllegir = 100;
    link_.StrCom = line;
    if (path == ReplyPath::Serial)
        link_.vegades_espero = 6;
}

void ReplyDispatcher::handle(ReplyKind kind, const QString &line, ReplyPath path)
{
    emit lineReceived({line, kind, path});
    switch (kind) {
    case ReplyKind::Lock:
        link_.protegit = true;
        break;
    case ReplyKind::UpdateRelay:
        handleUpdateRelay(line, path);
        break;
    case ReplyKind::Identification:
        handleIdentification(line, path);
        break;
    case ReplyKind::StreamOn:
        link_.tempsllegir = path == ReplyPath::Serial ? 100 : 1;
        link_.llegir = false;
        link_.llegirpag = false;
        link_.inf = true;
        link_.protegit = false;
        break;
    case ReplyKind::Operators:
        acceptLine(line, path);
        if (link_.circuittrobat)
            emit operatorsLine(line);
        break;
    case ReplyKind::Initialised:
    case ReplyKind::Erased:
        link_.tempsllegir = 100;
        link_.inf = false;
        emit writeRunEnded();
        if (kind == ReplyKind::Initialised)
            emit factoryValuesRestored();
        break;
    case ReplyKind::WildcardLine:
        acceptLine(line, path);
        emit wildcardLine(line);
        break;
    case ReplyKind::AwaitedReply:
        acceptLine(line, path);
        if (link_.llegirpag)
            emit wakeReadEngine();
        else
            emit wakeWriteEngine();
        break;
    case ReplyKind::StatusFrame:
        link_.tempsllegir = path == ReplyPath::Serial ? 100 : 5;
        link_.StrCom = line;
        emit statusFrame(line);
        break;
    case ReplyKind::Ignored:
        break;
    }
}

void ReplyDispatcher::handleUpdateRelay(const QString &line, ReplyPath path)
{
    if (link_.tempsActu <= 0)
        return;
    link_.tempsActu = 300;
    link_.tempsllegir = 0;
    QString relayed = line.mid(line.indexOf(QLatin1String("+U")));
    if (path == ReplyPath::Remote && relayed.endsWith(kCR))
        relayed.chop(1);
    emit updateRelayLine(relayed);
}

void ReplyDispatcher::handleIdentification(const QString &line, ReplyPath path)
{
    link_.StrCom = line;
    if (path == ReplyPath::Serial) {
        link_.tempsllegir = 100;
        link_.vegades_espero = 6;
    } else {
        link_.tempsllegir = 5;
        if (link_.connex_Quelta_Agui == 2) {
            link_.tempsRXAgui = 8;
            link_.tempsTXAgui = 6;
        }
    }
    emit versionReplyArrived(line);
}

} // namespace quelta
