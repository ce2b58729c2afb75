#pragma once

#include <QString>

#include <optional>

// How a dialog reads a number out of an edit's text.

// An integer: optional blanks (spaces, tabs), an optional sign, decimal
// digits, optional blanks, nothing else. Empty text, other characters and
// values outside the 32-bit range are not integers.
std::optional<int> EditTextToInt(const QString& text);

// A floating-point number in C's decimal notation ("12", "-3.5", ".5",
// "1e3"), blanks allowed around it. Empty text, hexadecimal notation,
// infinities, NaN and values a 32-bit float cannot hold are not numbers.
std::optional<float> EditTextToFloat(const QString& text);

// The text an edit shows for a float member: like C's "%g" with the six
// significant digits a float holds ("1", "350.5", "1e+06").
QString FloatToEditText(float value);
