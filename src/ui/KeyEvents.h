#pragma once

#include <QEvent>
#include <functional>

class QKeyEvent;
class QWidget;

// Calls `handler` for each key event of `type` (KeyPress or KeyRelease) that reaches
// `widget`, before the widget sees it. On an editable combo box this includes the keys
// typed into its text.
void OnKey(QWidget* widget, QEvent::Type type, std::function<void(QKeyEvent*)> handler);

// The keys that raise and lower a quantity: plus on the keypad or the plus/equals key,
// minus on the keypad or the minus key.
bool IsPlusKey(const QKeyEvent* event);
bool IsMinusKey(const QKeyEvent* event);

// A key that types a character, as opposed to arrows, Tab, Shift and the like.
bool IsCharacterKey(const QKeyEvent* event);
