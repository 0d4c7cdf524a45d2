// The console window over the trace: what was traced before it opened, the bound, its colours,
// its toggles painted red, and a flood of lines while it shows.

#include "core/base/DiagnosticTrace.h"
#include "core/link/CommandChannel.h"
#include "core/session/DiagnosticConsole.h"
#include "ui/console/TFInfo.h"

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>

using namespace quelta;
using namespace quelta::ui;
using namespace Qt::StringLiterals;

namespace {

const qsizetype kStamp = u"hh:mm:ss.zzz "_s.size();

// A console on no port: what the buttons send is seen in the trace's "escriu_port" lines.
struct Console
{
    DiagnosticTrace trace;
    LinkState link;
    CommandChannel channel{link, trace};
    DiagnosticConsole core{trace, link, channel};
    TFInfo window{core};

    QPlainTextEdit *edit() const { return window.findChild<QPlainTextEdit *>(u"REPortserie"_s); }
    QPushButton *button(const QString &name) const { return window.findChild<QPushButton *>(name); }
    void click(const QString &name) const { QTest::mouseClick(button(name), Qt::LeftButton); }

    void show()
    {
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
    }

    // The edit's lines, without their time stamps.
    QStringList shown() const
    {
        QStringList lines;
        for (QTextBlock b = edit()->document()->begin(); b.isValid(); b = b.next())
            lines.append(b.text().mid(kStamp));
        if (lines == QStringList{QString()})
            return {};
        return lines;
    }
    QColor colourOfLine(int index) const
    {
        const QTextBlock block = edit()->document()->findBlockByNumber(index);
        return block.begin().fragment().charFormat().foreground().color();
    }
};

bool red(const QPushButton *b)
{
    return b->palette().color(QPalette::ButtonText) == QColor(0xFF, 0x00, 0x00);
}

QStringList numbered(int from, int to)
{
    QStringList lines;
    for (int i = from; i < to; ++i)
        lines.append(u"line %1   "_s.arg(i));
    return lines;
}

} // namespace

class TestConsole : public QObject
{
    Q_OBJECT

private slots:
    void captionsAndNames()
    {
        Console c;
        QCOMPARE(c.window.windowTitle(), u"Informació port sèrie i TCP"_s);
        const QList<std::pair<QString, QString>> buttons{
            {u"BEnviarModul"_s, u"Enviar al GSM"_s}, {u"BEnviarQuelta"_s, u"Enviar al Quelta"_s},
            {u"BEsborrarREportSerie"_s, u"Borrar"_s}, {u"BPararREportSerie"_s, u"Parar"_s},
            {u"BInfo"_s, u"Info"_s}, {u"BGsm"_s, u"Gsm"_s}, {u"BUart"_s, u"Uart"_s}, {u"BTest"_s, u"Test"_s}};
        for (const auto &[name, caption] : buttons) {
            QVERIFY2(c.button(name), qPrintable(name));
            QCOMPARE(c.button(name)->text(), caption);
        }
        QCOMPARE(c.window.findChild<QCheckBox *>(u"CBHexa"_s)->text(), u"Hexa"_s);
        QVERIFY(c.window.findChild<QLineEdit *>(u"EEnviarModul"_s));
        QVERIFY(c.window.findChild<QLineEdit *>(u"EEnviarQuelta"_s));
        QCOMPARE(c.edit()->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QCOMPARE(c.edit()->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    }

    // What was traced while the window was closed shows when it opens, as far as the trace keeps it,
    // each line in its colour, scrolled to the end.
    void showsWhatWasTracedBeforeItOpened()
    {
        Console c;
        c.trace.setCapacity(50);
        for (int i = 0; i < 80; ++i)
            c.trace.Escriure_REPortserie(u"line %1"_s.arg(i));
        c.trace.Escriure_REPortserie(u"MQTT APayload 01\r"_s);
        c.trace.Escriure_REPortserie(u"AGE44 06\r"_s);
        c.trace.Escriure_REPortserie(u"Cloud: refused\r"_s, TraceColour::DarkRed);
        c.trace.setHexa(true);
        c.trace.Escriure_REPortserie(u"tx: A\r"_s);
        QVERIFY(c.shown().isEmpty()); // nothing laid out while closed

        c.show();
        const QStringList expected = numbered(36, 80)
                                     + QStringList{u"MQTT APayload 01"_s, u"AGE44 06"_s, u"Cloud: refused"_s,
                                                   u"tx: A"_s, u"tx: 41 0D"_s, QString()};
        QCOMPARE(c.shown(), expected);
        const QList<QColor> colours{QColor(0, 0, 0xFF), QColor(0, 0x80, 0), QColor(0x80, 0, 0), QColor(0, 0, 0),
                                    QColor(0xFF, 0, 0)};
        for (int i = 0; i < colours.size(); ++i)
            QCOMPARE(c.colourOfLine(44 + i), colours.at(i));
        QCOMPARE(c.colourOfLine(0), QColor(0, 0, 0));
        QCOMPARE(c.edit()->verticalScrollBar()->value(), c.edit()->verticalScrollBar()->maximum());
    }

    // While it shows, new lines arrive together a moment later; while hidden none are laid out, and
    // on opening again the edit holds the trace's newest lines without a gap or a repeat.
    void followsTheTraceAndKeepsItsBound()
    {
        Console c;
        c.trace.setCapacity(30);
        c.show();
        for (int i = 0; i < 10; ++i)
            c.trace.Escriure_REPortserie(u"line %1"_s.arg(i));
        QTRY_COMPARE(c.shown(), numbered(0, 10));
        c.window.toggle();
        QVERIFY(!c.window.isVisible());
        for (int i = 10; i < 25; ++i)
            c.trace.Escriure_REPortserie(u"line %1"_s.arg(i));
        QTest::qWait(TFInfo::kFlushMs * 2);
        QCOMPARE(c.shown(), numbered(0, 10));
        c.window.toggle();
        QVERIFY(c.window.isVisible());
        QCOMPARE(c.shown(), numbered(0, 25));
        c.window.hide();
        for (int i = 25; i < 100; ++i)
            c.trace.Escriure_REPortserie(u"line %1"_s.arg(i));
        c.window.show();
        QCOMPARE(c.shown(), numbered(70, 100));
        for (int i = 100; i < 110; ++i)
            c.trace.Escriure_REPortserie(u"line %1"_s.arg(i));
        QTRY_COMPARE(c.shown(), numbered(80, 110));
    }

    // "Borrar" empties the window and the trace; "Parar" (red) stops the trace; "Hexa" adds the
    // rendering.
    void borrarPararHexa()
    {
        Console c;
        c.show();
        c.trace.Escriure_REPortserie(u"line 0"_s);
        QTRY_COMPARE(c.shown(), numbered(0, 1));
        c.click(u"BEsborrarREportSerie"_s);
        QVERIFY(c.shown().isEmpty());
        QCOMPARE(c.trace.size(), 0);

        c.click(u"BPararREportSerie"_s);
        QVERIFY(red(c.button(u"BPararREportSerie"_s)));
        c.trace.Escriure_REPortserie(u"line 1"_s);
        QTest::qWait(TFInfo::kFlushMs * 2);
        QVERIFY(c.shown().isEmpty());
        c.click(u"BPararREportSerie"_s);
        QVERIFY(!red(c.button(u"BPararREportSerie"_s)));

        QTest::mouseClick(c.window.findChild<QCheckBox *>(u"CBHexa"_s), Qt::LeftButton);
        QVERIFY(c.trace.hexa());
        c.trace.Escriure_REPortserie(u"line 2"_s);
        QTRY_COMPARE(c.shown(), (QStringList{u"line 2   "_s, u" 69 6E 65 20 32"_s, QString()}));
    }

    // Without a linked device the sending controls stay off; once one is linked, activating the
    // window turns them on and "Info" red, and the toggles show their state in red.
    void activationEnablesAndPaintsTheToggles()
    {
        Console c;
        c.show();
        c.window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&c.window));
        for (const QString &name : {u"BEnviarModul"_s, u"BEnviarQuelta"_s, u"BInfo"_s, u"BGsm"_s, u"BUart"_s, u"BTest"_s})
            QVERIFY2(!c.button(name)->isEnabled(), qPrintable(name));
        QVERIFY(!c.window.findChild<QLineEdit *>(u"EEnviarQuelta"_s)->isEnabled());
        QVERIFY(c.button(u"BEsborrarREportSerie"_s)->isEnabled());
        QVERIFY(red(c.button(u"BInfo"_s)));

        // The installer goes to the main window, links a device and comes back.
        QWidget other;
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        c.link.circuit = true;
        c.window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&c.window));
        QVERIFY(c.button(u"BTest"_s)->isEnabled());
        QVERIFY(c.window.findChild<QLineEdit *>(u"EEnviarModul"_s)->isEnabled());

        // No port here: each command still shows in the trace as the serial transport writes it.
        c.click(u"BInfo"_s);
        QVERIFY(!red(c.button(u"BInfo"_s)));
        c.click(u"BUart"_s);
        QVERIFY(red(c.button(u"BUart"_s)));
        c.click(u"BGsm"_s);
        QVERIFY(red(c.button(u"BGsm"_s)));
        c.window.findChild<QLineEdit *>(u"EEnviarModul"_s)->setText(u"AT"_s);
        c.click(u"BEnviarModul"_s);
        QTRY_VERIFY(c.shown().contains(u"mv=AT"_s));
        QVERIFY(c.shown().contains(u"qz+inf"_s));
        QVERIFY(c.shown().contains(u"qz+Suar"_s));
        QVERIFY(c.shown().contains(u"qz+Sgsm"_s));
    }

    // A full read streams thousands of lines a second: with the window open they cost little and the
    // window ends up holding exactly the trace's newest lines.
    void aFloodWhileOpen()
    {
        constexpr int kLines = 100000;
        Console c;
        {
            // For comparison: the same stream with the window closed.
            QElapsedTimer closed;
            closed.start();
            for (int i = 0; i < kLines; ++i)
                c.trace.Escriure_REPortserie(u"ComPortRx --> : +%1:value\r"_s.arg(i));
            qInfo("%d lines traced with the window closed in %lld ms", kLines, static_cast<long long>(closed.elapsed()));
        }
        c.show();
        QElapsedTimer timer;
        timer.start();
        for (int i = 0; i < kLines; ++i) {
            c.trace.Escriure_REPortserie(u"ComPortRx --> : +%1:value\r"_s.arg(i));
            if (i % 500 == 0)
                QCoreApplication::processEvents(); // the event loop runs between bursts of the stream
        }
        c.window.flush();
        const qint64 elapsed = timer.elapsed();
        qInfo("%d lines traced and shown in %lld ms", kLines, static_cast<long long>(elapsed));
        const QStringList shown = c.shown();
        const int kept = int(DiagnosticTrace::kDefaultCapacity);
        QCOMPARE(shown.size(), kept);
        QCOMPARE(shown.first(), u"ComPortRx --> : +%1:value"_s.arg(kLines - kept));
        QCOMPARE(shown.last(), u"ComPortRx --> : +%1:value"_s.arg(kLines - 1));
        QCOMPARE(c.edit()->document()->blockCount(), kept);
    }
};

QTEST_MAIN(TestConsole)
#include "test_console.moc"
