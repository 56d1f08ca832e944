#pragma once

// The character codes that a typed key hands to the boxes' key handlers, as the keyboard gives them; keys that
// type no character (arrows, Delete, function keys) give SinCaracter.
namespace Codigo {
enum : int { SinCaracter = -1, Retroceso = 8, Intro = 13, Escape = 27, Comilla = 34, Apostrofo = 39, Suprimir = 127 };
} // namespace Codigo
