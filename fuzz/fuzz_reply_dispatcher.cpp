// The device's bytes through the reply dispatcher, on a link whose state the first byte chooses, so
// that every class of reply can be reached: awaited replies, wildcard streams, operators, frames,
// the update relay. The rest arrives in two chunks on the serial path, then whole as one remote
// message.

#include "FuzzSupport.h"

#include "core/base/DiagnosticTrace.h"
#include "core/link/LinkState.h"
#include "core/link/ReplyDispatcher.h"

using namespace quelta;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    static const char *const awaited[] = {"", "+0102", "+85xx", "+ver", "+96xx"};
    const uint8_t state = data[0];
    LinkState link;
    link.inf = state & 1;
    link.puntercamp = state & 2 ? QStringLiteral("xxx") : QString();
    link.tempsActu = state & 4 ? 300 : 0;
    link.circuittrobat = state & 8;
    link.espero = QLatin1String(awaited[(state >> 4) % 5]);
    DiagnosticTrace trace;
    ReplyDispatcher dispatcher(link, trace);
    const QByteArray bytes = fuzz::bytesOf(data + 1, size - 1);
    const qsizetype half = bytes.size() / 2;
    dispatcher.ComPortRxChar(QByteArrayView(bytes).first(half));
    dispatcher.ComPortRxChar(QByteArrayView(bytes).sliced(half));
    dispatcher.RebutIP(fuzz::textOf(data + 1, size - 1));
    dispatcher.RebutIPCentral(bytes);
    return 0;
}
