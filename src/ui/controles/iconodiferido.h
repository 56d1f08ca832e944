#pragma once

#include <QIcon>

#include <functional>

// An icon made by crear only when it is first drawn or asked for its pictures. Decoding pictures is a good
// part of creating the window: this way the window starts without decoding any that nobody looks at, such as
// the 256-pixel icon meant for the task bar or the several sizes of each of the style's standard icons.
QIcon IconoDiferido(std::function<QIcon()> crear);
