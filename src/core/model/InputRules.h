#pragma once

#include <QString>
#include <QStringView>

#include <optional>
#include <span>

namespace quelta {

// The values the device accepts have fixed shapes; the editors refuse wrong characters as they are
// typed and wrong whole values when an edit loses the focus. These are those rules, free of widgets:
// the window's key and focus handlers ask them and act on the answer.

bool isValidIp(const QString &text);
// One address, or a list split at ";" (else at ","); every item must be an address.
bool isValidEmailList(const QString &text);

// Qt character codes of the keys the rules treat specially.
inline constexpr char16_t kKeyCopy = 3;
inline constexpr char16_t kKeyBackspace = 8;
inline constexpr char16_t kKeyPaste = 22;
inline constexpr char16_t kKeyEscape = 27;

enum class KeyFilter { None, Decimal, Hexadecimal, Telephone };
// Backspace passes every filter.
bool keyAccepted(KeyFilter filter, QChar key);

enum class ExitCheck { None, Ip, Email, PadTwoDigits };

// The limits of a bound edit, by its control name.
struct EditRule
{
    const char *name;
    int maxLength;
    KeyFilter filter;
    ExitCheck exit;
};

std::span<const EditRule> editRules();
const EditRule *editRule(QStringView controlName);

// An empty text passes; only the IP and e-mail checks can fail.
bool passesExitCheck(ExitCheck check, const QString &text);
// The warning for a failed check, shown with the standard caption and button (dialog::warning).
QString exitCheckMessage(ExitCheck check);
// Panel addresses are two hexadecimal digits: "5" becomes "05"; other lengths stay as they are.
QString padAddress(const QString &text);

// What a grid's key handler does with a typed character. Escape: the key is (or became) Escape and
// the grid's in-cell combo box is hidden, or toggled where escapeTogglesCombo() says so. Copy: the
// cell's text goes to the clipboard. Paste: pastedText() says what the cell takes.
enum class KeyOutcome { Accept, Refuse, Escape, Copy, Paste };

// The cell a key lands on. header is the column's row-0 text as shown, in the current language.
struct GridCell
{
    QStringView grid; // the grid's control name
    QStringView header;
    int column;
    QStringView text; // the cell's current text
};

KeyOutcome gridKeyOutcome(const GridCell &cell, QChar key);
// The cell's new text after a paste, or nothing when the paste is refused.
std::optional<QString> pastedText(const GridCell &cell, const QString &clipboard);
bool escapeTogglesCombo(QStringView gridName);

} // namespace quelta
