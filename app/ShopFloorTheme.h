#pragma once

class QPalette;

// The two looks of the application: the style's own light palette, and a dark
// high-contrast palette for dim halls. Indicators keep their own colours in both.
namespace ShopFloorTheme {

enum Theme
{
    Light = 0,
    Dark = 1
};

// Applies the palette to the whole application at once; every open window follows.
void apply(Theme theme);
QPalette darkPalette();

} // namespace ShopFloorTheme
