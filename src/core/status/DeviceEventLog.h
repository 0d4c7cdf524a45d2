#pragma once

#include "core/status/StatusColours.h"

#include <QList>
#include <QObject>

namespace quelta {

struct LogLine
{
    QString text;
    Colour colour;

    friend bool operator==(const LogLine &, const LogLine &) = default;
};

// The device event log REQuelta with its three buttons: follow or pause (BPara), filtered or all
// codes (BTot, hidden until a service gesture reveals it) and clear (BEsborra).
class DeviceEventLog : public QObject
{
    Q_OBJECT
public:
    // Pictures of the window's image list for the two toggle buttons.
    static constexpr int kFollowPicture = 13;
    static constexpr int kPausePicture = 6;
    static constexpr int kFilteredPicture = 10;
    static constexpr int kAllCodesPicture = 9;

    using QObject::QObject;

    const QList<LogLine> &lines() const { return lines_; }
    void addLine(const QString &text, Colour colour);
    // Appends to the text of the last line; false when the log is empty.
    bool appendToLastLine(const QString &text);
    // The log wraps its lines from the first diagnostic line on.
    bool wordWrap() const { return wordWrap_; }
    void setWordWrap(bool wrap);
    // The colour of the log's own text: blue for live data, grey for a cloud snapshot.
    Colour font() const { return font_; }
    void setFont(Colour font);

    bool following() const { return following_; }
    bool filtered() const { return filtered_; }
    bool BTotVisible() const { return allCodesButtonVisible_; }
    int BParaPicture() const { return following_ ? kFollowPicture : kPausePicture; }
    int BTotPicture() const { return filtered_ ? kFilteredPicture : kAllCodesPicture; }

    void BParaClick();
    void BTotClick();
    void BEsborraClick();
    void toggleBTotVisible();

    // Emptied with a blue font, following and filtered again.
    void clear();
    // A device answers: the grey log of a cloud snapshot gives way to the live one.
    void leaveSnapshot();

signals:
    void lineAdded(const quelta::LogLine &line);
    void lastLineChanged(const quelta::LogLine &line);
    void cleared();
    // While following, every change keeps the view at the bottom (REQueltaChange).
    void scrollToBottomRequested();
    void buttonsChanged();
    void appearanceChanged(); // font or word wrap

private:
    void changed();

    QList<LogLine> lines_;
    bool wordWrap_ = false;
    Colour font_ = colour::blue;
    bool following_ = true;
    bool filtered_ = true;
    bool allCodesButtonVisible_ = false;
};

} // namespace quelta
