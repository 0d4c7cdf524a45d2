#pragma once

#include "core/cloud/CloudJson.h"

#include <QJsonObject>
#include <QString>

#include <array>
#include <optional>

// The device's phone and app-user lists as the cloud keeps them: "Equipments/{id}/MobileNumbers",
// "Equipments/{id}/Users" and each user's "Users/{uid}" record with its "Modulos" entry per device.
// Member names are matched without regard to case; values of an unexpected type are read as well
// as they can be, and what cannot be read is left out.
namespace quelta::contacts {

inline constexpr int kDoorButtons = 4;

// The children of a node as GetSynchRTDB flattens it ("key: <json>\r" per member, in the order the
// database sent them). A node stored as an array gives its indices as keys and leaves out the
// holes; a scalar or an unreadable line gives nothing.
JsonMembers flattenedChildren(const QString &flattened);

// The member of that name, compared without regard to case; undefined when there is none.
QJsonValue member(const QJsonObject &object, QStringView name);
// A stored flag: true, "true" or a number other than 0.
bool flagOf(const QJsonValue &value);

// A key the database takes as one path segment: not empty, no "/", "\", "$", "#", "[", "]" and no
// control characters ("." is stored as "," by the path conversion).
bool isStorableKey(const QString &key);

struct PhoneRecord
{
    QString number;
    QString name;
    bool enabled = false;
    QString button;
};

// One child of "MobileNumbers"; nothing when it is not an object.
std::optional<PhoneRecord> phoneRecord(const QString &key, const QJsonValue &value);
// The members patched for a phone: "UserName", "Enabled", "Button".
QJsonObject phoneMembers(const QString &name, bool enabled, const QString &button);

// The door buttons a user may operate.
struct ButtonFlags
{
    std::array<bool, kDoorButtons> enabled{};
    int count() const;
};

// "1,3" from buttons 1 and 3; empty for none.
QString buttonsText(const ButtonFlags &flags);
// A button is enabled when its digit appears anywhere in the text: "12" and "1,2" both give 1 and 2.
ButtonFlags buttonsOf(const QString &text);

struct UserRecord
{
    QString uid;
    QString email;
    QString nickname;
    bool enabled = false;
    QString buttons; // as buttonsText writes them
};

// A user's record for this device: "email", "nickname", and from the "Modulos" entry whose key is the
// device (or else the first that contains it) its flags. Nothing when the record is empty or not an
// object.
std::optional<UserRecord> userRecord(const QString &uid, const QJsonValue &record, const QString &device);
// The members of "Users/{uid}/Modulos/{device}": "b1Enabled" ... "b4Enabled", "numButtonsEnabled", "enabled".
QJsonObject moduleMembers(const QString &buttons, bool enabled);
// The identifier of the user whose "email" is this one (without regard to case); nothing when no
// record of the collection has it.
std::optional<QString> userWithEmail(const QJsonValue &users, const QString &email);

} // namespace quelta::contacts
