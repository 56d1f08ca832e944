#pragma once

// The character codes that a typed key hands to the boxes' key handlers, as the keyboard gives them.
namespace Codigo {
constexpr int SinCaracter = -1; // arrows, Delete, function keys: keys that type no character
constexpr int Retroceso = 8;
constexpr int Intro = 13;
constexpr int Escape = 27;
constexpr int Comilla = 34;
constexpr int Apostrofo = 39;
constexpr int Suprimir = 127;
} // namespace Codigo
