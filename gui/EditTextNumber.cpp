#include "gui/EditTextNumber.h"

#include <QByteArray>

#include <charconv>
#include <cmath>
#include <system_error>

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The text without the blanks around it, as bytes, with a leading plus sign
// dropped (from_chars takes a minus sign only); nullopt when the text holds
// a character outside ASCII (no number does).
std::optional<QByteArray> NumberBytes(const QString& text) {
  for (QChar c : text)
    if (c.unicode() > 0x7F) return std::nullopt;
  const QByteArray bytes = text.toLatin1();
  qsizetype begin = 0, end = bytes.size();
  while (begin < end && IsBlank(bytes[begin])) ++begin;
  while (end > begin && IsBlank(bytes[end - 1])) --end;
  // A plus sign is dropped unless a minus sign follows it ("+-1" stays refused).
  if (end - begin > 1 && bytes[begin] == '+' && bytes[begin + 1] != '-') ++begin;
  return bytes.mid(begin, end - begin);
}

// The character after an optional minus sign, or 0 when there is none.
char FirstAfterSign(const QByteArray& bytes) {
  const qsizetype at = bytes.startsWith('-') ? 1 : 0;
  return at < bytes.size() ? bytes[at] : '\0';
}

template <typename Number>
bool ParsesWhole(const QByteArray& bytes, Number& value) {
  const char* last = bytes.constData() + bytes.size();
  const auto [end, error] = std::from_chars(bytes.constData(), last, value);
  return error == std::errc() && end == last;
}

}  // namespace

std::optional<int> EditTextToInt(const QString& text) {
  const std::optional<QByteArray> bytes = NumberBytes(text);
  int value = 0;
  if (!bytes || !IsDigit(FirstAfterSign(*bytes)) || !ParsesWhole(*bytes, value)) return std::nullopt;
  return value;
}

std::optional<float> EditTextToFloat(const QString& text) {
  const std::optional<QByteArray> bytes = NumberBytes(text);
  if (!bytes) return std::nullopt;
  // Decimal notation only: a digit or a point comes first, which rules out
  // "inf", "nan" and a second sign; "0x1p3" stops after the "0" and so is
  // not taken whole.
  const char first = FirstAfterSign(*bytes);
  double value = 0;
  if (!(IsDigit(first) || first == '.') || !ParsesWhole(*bytes, value)) return std::nullopt;
  const float narrowed = static_cast<float>(value);
  if (!std::isfinite(narrowed)) return std::nullopt;
  return narrowed;
}

QString FloatToEditText(float value) { return QString::asprintf("%.*g", 6, static_cast<double>(value)); }
