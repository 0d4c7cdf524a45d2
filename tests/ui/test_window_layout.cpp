#include "WindowOnDevice.h"
#include "ui/pages/UserPage.h"
#include "ui/status/StatusBarPanel.h"

#include <QAbstractItemView>
#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QStyleOptionComboBox>
#include <QTabWidget>
#include <QTextEdit>
#include <QToolButton>
#include <QtTest>

#include <cmath>
#include <optional>

using namespace quelta;

namespace {

// The room a widget's text needs and the room it has, across (or, for wrapped text, down).
struct Fit
{
    int needed;
    int room;
};

int lineEditRoom(const QLineEdit &edit)
{
    // The frame and the edit's own margin of 2 px on either side.
    const int frame = edit.hasFrame() ? edit.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, &edit) : 0;
    const QMargins margins = edit.textMargins();
    return edit.contentsRect().width() - 2 * (frame + 2) - margins.left() - margins.right();
}

int comboRoom(const QComboBox &combo)
{
    QStyleOptionComboBox option;
    option.initFrom(&combo);
    option.editable = combo.isEditable();
    option.frame = combo.hasFrame();
    const QRect field = combo.style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, &combo);
    return field.width() - (combo.isEditable() ? 4 : 0);
}

// A box without scroll bars must show all it holds.
std::optional<Fit> textBoxFit(const QAbstractScrollArea &box, const QTextDocument &document)
{
    if (box.horizontalScrollBarPolicy() != Qt::ScrollBarAlwaysOff)
        return std::nullopt;
    return Fit{int(std::ceil(document.idealWidth())), box.viewport()->width()};
}

// A label's text room: inside its frame and margins, less the indent that Qt puts beside text
// aligned left or right (half an "x" in a framed label unless given).
int labelRoom(const QLabel &label)
{
    int indent = 0;
    if (!(label.alignment() & Qt::AlignHCenter))
        indent = label.indent() >= 0 ? label.indent()
                 : label.frameWidth() > 0 ? label.fontMetrics().horizontalAdvance(QLatin1Char('x')) / 2
                                          : 0;
    return label.contentsRect().width() - 2 * label.margin() - indent;
}

std::optional<Fit> fitOf(const QWidget &widget)
{
    const QFontMetrics metrics(widget.font());
    if (auto *panel = qobject_cast<const ui::StatusBarPanel *>(&widget))
        return Fit{metrics.horizontalAdvance(panel->drawnText()), panel->textRect().width()};
    if (auto *label = qobject_cast<const QLabel *>(&widget)) {
        if (label->text().isEmpty() || label->textFormat() == Qt::RichText)
            return std::nullopt;
        if (label->wordWrap())
            return Fit{label->heightForWidth(label->width()), label->height()};
        return Fit{metrics.size(0, label->text()).width(), labelRoom(*label)};
    }
    if (auto *edit = qobject_cast<const QLineEdit *>(&widget))
        return Fit{metrics.horizontalAdvance(edit->text()), lineEditRoom(*edit)};
    if (auto *combo = qobject_cast<const QComboBox *>(&widget))
        return Fit{metrics.horizontalAdvance(combo->currentText()), comboRoom(*combo)};
    if (auto *group = qobject_cast<const QGroupBox *>(&widget))
        return Fit{group->minimumSizeHint().width(), group->width()};
    if (auto *button = qobject_cast<const QAbstractButton *>(&widget))
        return Fit{button->sizeHint().width(), button->width()};
    if (auto *text = qobject_cast<const QTextEdit *>(&widget))
        return textBoxFit(*text, *text->document());
    if (auto *plain = qobject_cast<const QPlainTextEdit *>(&widget))
        return textBoxFit(*plain, *plain->document());
    return std::nullopt;
}

// The ancestor that cuts the widget off, or none when it lies wholly inside each of them. Styles
// lay some frames a pixel over their parent's edge (the tabs' corner buttons), which cuts no text.
const QWidget *cuttingAncestor(const QWidget &widget)
{
    QRect area = widget.rect();
    for (const QWidget *child = &widget; !child->isWindow(); child = child->parentWidget()) {
        area.translate(child->pos());
        if (!child->parentWidget()->rect().adjusted(-1, -1, 1, 1).contains(area))
            return child->parentWidget();
    }
    return nullptr;
}

bool insideAGrid(const QWidget &widget)
{
    for (const QWidget *ancestor = widget.parentWidget(); ancestor; ancestor = ancestor->parentWidget()) {
        if (qobject_cast<const QAbstractItemView *>(ancestor))
            return true;
    }
    return false;
}

// Empty when every text on screen shows whole; else the screen and a line for each widget whose
// text does not fit, with what it needs and has, or that an ancestor cuts off. The cells and
// headers of the grids scroll, and are left out.
QString clippingReport(const QWidget &window, const QString &screen)
{
    QStringList clipped;
    for (QWidget *widget : window.findChildren<QWidget *>()) {
        if (!widget->isVisible() || insideAGrid(*widget))
            continue;
        const std::optional<Fit> fit = fitOf(*widget);
        if (!fit)
            continue;
        const QString name = QStringLiteral("%1 %2").arg(QLatin1String(widget->metaObject()->className()),
                                                          widget->objectName());
        if (fit->needed > fit->room)
            clipped << QStringLiteral("%1: needs %2, has %3").arg(name).arg(fit->needed).arg(fit->room);
        else if (const QWidget *ancestor = cuttingAncestor(*widget))
            clipped << QStringLiteral("%1: cut off by %2 %3")
                           .arg(name, QLatin1String(ancestor->metaObject()->className()), ancestor->objectName());
    }
    return clipped.isEmpty() ? QString() : screen + QLatin1Char('\n') + clipped.join(QLatin1Char('\n'));
}

} // namespace

class TestWindowLayout : public QObject
{
    Q_OBJECT

private slots:
    void textsFitAtTheMinimumSize_data()
    {
        QTest::addColumn<QString>("config");
        QTest::addColumn<QString>("panelName");
        QTest::newRow("Cofem, the longest panel name") << "cofem.json" << "K-CONECTA";
        QTest::newRow("BC600, link beside its application") << "bc600.json" << "BC600";
        QTest::newRow("Aguilera, beside its zone list") << "aesa.json" << "Aguilera";
        QTest::newRow("door controller") << "puertas.json" << "";
    }

    // At its minimum size, which a 1280 x 800 screen holds with the window's frame, the window
    // shows every caption and value whole: the status view of a connected device with its panel's
    // name in the status bar, each programming page with the device's values, and the access-code
    // prompt.
    void textsFitAtTheMinimumSize()
    {
        QFETCH(QString, config);
        QFETCH(QString, panelName);
        test::WindowOnDevice w;
        QVERIFY(w.open({QStringLiteral("--config"), test::SimulatedDevice::config(config)}));
        ui::TFPrincipalQueltaES &window = *w.window;
        QVERIFY(window.minimumWidth() <= 1270 && window.minimumHeight() <= 720);
        window.resize(window.minimumSize());
        QTRY_COMPARE(window.size(), window.minimumSize());

        const LinkState &link = w.shell->device().link();
        auto *panelLink = w.find<ui::StatusBarPanel>(QStringLiteral("SBEstatPanel2"));
        QTRY_VERIFY_WITH_TIMEOUT(panelLink->drawnText().endsWith(panelName), 15000);
        auto *identity = w.find<QTextEdit>(QStringLiteral("REEmpresa2"));
        QTRY_VERIFY_WITH_TIMEOUT(!link.hardware.isEmpty() && identity->toPlainText().contains(link.hardware), 5000);
        QVERIFY(identity->toPlainText().contains(link.identConnectar));
        QTRY_VERIFY_WITH_TIMEOUT(w.find<QToolButton>(QStringLiteral("BBCRA"))->isVisible(), 5000);
        // Every view's contents, the fire panel's screen among them, within that size.
        const QSize needed = window.minimumSizeHint();
        QVERIFY2(needed.boundedTo(window.minimumSize()) == needed,
                 qPrintable(QStringLiteral("the contents need %1 x %2").arg(needed.width()).arg(needed.height())));
        QString report = clippingReport(window, QStringLiteral("status"));
        QVERIFY2(report.isEmpty(), qPrintable(report));

        QSignalSpy read(&w.shell->programming().readEngine(), &ReadEngine::readFinished);
        w.find<QToolButton>(QStringLiteral("BBProg"))->click();
        QTRY_VERIFY_WITH_TIMEOUT(!read.isEmpty(), 30000);
        auto *pages = w.find<QTabWidget>(QStringLiteral("PCProgramacio"));
        auto *user = w.find<ui::UserPage>(QStringLiteral("PUsuari"));
        for (int page = 0; page < pages->count(); ++page) {
            if (!pages->isTabVisible(page))
                continue;
            pages->setCurrentIndex(page);
            const bool sections = page == static_cast<int>(ProgPage::Usuari);
            for (const Section section : {Section::Inputs, Section::Outputs, Section::System}) {
                if (sections)
                    user->showSection(section);
                QCoreApplication::processEvents();
                report = clippingReport(window, pages->tabText(page));
                QVERIFY2(report.isEmpty(), qPrintable(report));
                if (!sections)
                    break;
            }
        }

        emit w.shell->device().lock().accessCodeRequested();
        QCoreApplication::processEvents();
        QVERIFY(w.find(QStringLiteral("PBloqueig"))->isVisible());
        report = clippingReport(window, QStringLiteral("access code"));
        QVERIFY2(report.isEmpty(), qPrintable(report));
    }
};

QTEST_MAIN(TestWindowLayout)
#include "test_window_layout.moc"
