#pragma once

class QFocusEvent;
class QKeyEvent;

// The character code that a typed key gives the key handlers: Enter 13, Backspace 8, Escape 27, Ctrl+C 3,
// Ctrl+V 22, a printable key its character; -1 for keys that type no character (arrows, Delete, F keys).
int CodigoDeTecla(const QKeyEvent *evento);

// Whether the focus leaves for another control of the same window. A message box, a menu or another window
// taking the focus does not count: a leave handler that shows a message box would otherwise run again.
bool HaciaOtroControl(const QFocusEvent *evento);
