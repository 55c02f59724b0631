#include "render/named_colors.h"

const std::array<TNamedColor, 16> StandardColors{{
    {"Black", 0x000000},
    {"Maroon", 0x800000},
    {"Green", 0x008000},
    {"Olive", 0x808000},
    {"Navy", 0x000080},
    {"Purple", 0x800080},
    {"Teal", 0x008080},
    {"Gray", 0x808080},
    {"Silver", 0xC0C0C0},
    {"Red", 0xFF0000},
    {"Lime", 0x00FF00},
    {"Yellow", 0xFFFF00},
    {"Blue", 0x0000FF},
    {"Fuchsia", 0xFF00FF},
    {"Aqua", 0x00FFFF},
    {"White", 0xFFFFFF},
}};

const std::array<TNamedColor, 4> ExtendedColors{{
    {"Money Green", 0xC0DCC0},
    {"Sky Blue", 0xA6CAF0},
    {"Cream", 0xFFFBF0},
    {"Medium Gray", 0xA0A0A4},
}};
