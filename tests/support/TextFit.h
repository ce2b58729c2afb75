#pragma once

// The fit check of the program's forms: every text within the room its
// control gives it.

#include "gui/CompactComboBox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QStringList>
#include <QStyleOption>
#include <QTextDocument>
#include <QtMath>

#include <string>

// The texts of `form`'s controls wider (or, wrapped, taller) than the room
// their control gives them: "text (needs x px, has y); ...".
inline std::string TextsThatDoNotFit(const QWidget* form) {
  QStringList out;
  auto check = [&out](const QString& text, int needs, int has) {
    if (needs > has) out << QStringLiteral("%1 (needs %2 px, has %3)").arg(text).arg(needs).arg(has);
  };
  for (const QWidget* w : form->findChildren<QWidget*>()) {
    const QFontMetrics fm = w->fontMetrics();
    if (const auto* label = qobject_cast<const QLabel*>(w)) {
      QTextDocument doc;  // laid out as the label lays out its plain or rich text
      doc.setDefaultFont(label->font());
      doc.setDocumentMargin(0);
      label->textFormat() == Qt::RichText ? doc.setHtml(label->text()) : doc.setPlainText(label->text());
      const QRect room = label->contentsRect();
      if (label->wordWrap()) doc.setTextWidth(room.width());
      if (label->wordWrap()) check(doc.toPlainText(), qCeil(doc.size().height()), room.height());
      else check(doc.toPlainText(), qCeil(doc.idealWidth()), room.width());
    } else if (const auto* box = qobject_cast<const QGroupBox*>(w)) {
      QStyleOptionGroupBox option;
      option.initFrom(box);
      option.text = box->title();
      option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
      const QRect title = box->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, box);
      check(box->title(), title.right() + 2, box->width() - 1);
    } else if (const auto* button = qobject_cast<const QAbstractButton*>(w)) {
      QStyleOptionButton option;
      option.initFrom(button);
      const QStyle::SubElement contents = qobject_cast<const QRadioButton*>(w) ? QStyle::SE_RadioButtonContents
                                          : qobject_cast<const QCheckBox*>(w)  ? QStyle::SE_CheckBoxContents
                                                                               : QStyle::SE_PushButtonContents;
      const int room = button->style()->subElementRect(contents, &option, button).width();
      check(button->text(), fm.horizontalAdvance(QString(button->text()).remove('&')), room);
    } else if (const auto* list = qobject_cast<const QComboBox*>(w)) {
      QStyleOptionComboBox option;  // our narrow lists draw their entry left of a narrow arrow
      option.initFrom(list);
      const int room =
          qobject_cast<const CompactComboBox*>(w)
              ? list->width() - CompactComboBox::kArrowWidth - 3
              : list->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, list).width();
      for (int i = 0; i < list->count(); ++i) check(list->itemText(i), fm.horizontalAdvance(list->itemText(i)), room);
    }
  }
  return out.join("; ").toStdString();
}
