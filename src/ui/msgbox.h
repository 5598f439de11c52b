#pragma once

// Every message box of the program goes through msgBox(): one OK button, modal.
// Tests install a recorder and the boxes return at once, logged in order.

#include <QString>
#include <functional>

namespace ui {

enum class Icon { None, Information, Exclamation, Stop };

inline constexpr const char* kProgramTitle = "Starwright Demo";

struct MsgRecord {
    QString text;
    Icon icon = Icon::None;
    QString title;  // as shown: an empty title has become the program title
    bool operator==(const MsgRecord&) const = default;
};

void msgBox(const QString& text, Icon icon = Icon::None, const QString& title = {});

// True while a message box is on screen (hover help and field checks stand still).
bool msgBoxOpen();

using MsgBoxHook = std::function<void(const MsgRecord&)>;
// Replaces the real box; pass an empty function to restore it.
void setMsgBoxHook(MsgBoxHook hook);

}  // namespace ui
