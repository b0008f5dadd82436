#pragma once

#include <QLineEdit>
#include <QString>
#include <string>

#include "qtgui/QtText.h"

// Text of the edit fields: a multi-line box holds its line breaks as CR LF while the widget holds
// one "\n" for each, so positions are counted differently on the two sides.
namespace qtgui {

// The model's text of a multi-line widget's text.
std::string fromMultiLineText(const QString& shown);
// Where a position of the model's text (a byte index) is in the widget's text, and back.
int toShownPosition(const std::string& text, int position);
int toModelPosition(const std::string& text, int shownPosition);

// Shows an edit model's text, caret and selection on a line edit (text boxes and combo boxes
// share the properties Text, SelStart and SelLength). As on the platform, only the field with the
// focus shows its selection; the peer shows it again when the field takes the focus.
template <class EditModel> void showLineEdit(QLineEdit& edit, const EditModel& model)
{
    const QString text = toQString(model.Text());
    if (edit.text() != text)
        edit.setText(text);
    if (model.SelLength() > 0 && edit.hasFocus())
        edit.setSelection(model.SelStart(), model.SelLength());
    else if (edit.hasSelectedText() || edit.cursorPosition() != model.SelStart())
        edit.setCursorPosition(model.SelStart());
}

// Tells the model where the user left the caret and selection (no events fire for these).
template <class EditModel> void caretFromLineEdit(const QLineEdit& edit, EditModel& model)
{
    const bool selected = edit.hasSelectedText();
    model.setSelStart(selected ? edit.selectionStart() : edit.cursorPosition());
    model.setSelLength(selected ? static_cast<int>(edit.selectedText().size()) : 0);
}

} // namespace qtgui
