#pragma once

// Maps the Windows font names the windows ask for to installed free fonts.
void installFontSubstitutes();
