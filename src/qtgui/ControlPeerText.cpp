#include "qtgui/ControlPeerText.h"

#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextOption>

#include "qtgui/FormPeer.h"
#include "qtgui/QtText.h"
#include "qtgui/WidgetText.h"

namespace qtgui {

namespace {

constexpr int UnlimitedLength = 32767;

Qt::Alignment toQtAlignment(int alignment)
{
    switch (alignment) {
    case 1: return Qt::AlignRight | Qt::AlignVCenter;
    case 2: return Qt::AlignHCenter | Qt::AlignVCenter;
    default: return Qt::AlignLeft | Qt::AlignVCenter;
    }
}

// Qt's own paste reads the first format of the clipboard's data even when it has none (an empty
// clipboard under X) and crashes: with nothing to paste, nothing is pasted.
class MultiLineEdit : public QPlainTextEdit {
public:
    using QPlainTextEdit::QPlainTextEdit;

protected:
    void insertFromMimeData(const QMimeData* source) override
    {
        if (source != nullptr && !source->formats().isEmpty())
            QPlainTextEdit::insertFromMimeData(source);
    }
};

} // namespace

// ---- single line ----

TextBoxPeer::TextBoxPeer(platform::TextBox& box, FormPeer& form)
    : WidgetPeer(box, form), box_(box), edit_(new QLineEdit(containerArea(box, form)))
{
    adopt(edit_);
    QObject::connect(edit_, &QLineEdit::textEdited, this,
                     [this](const QString& text) { fromUser([&] { box_.userSetText(fromQString(text)); }); });
    QObject::connect(edit_, &QLineEdit::cursorPositionChanged, this, [this] { caretFromWidget(); });
    QObject::connect(edit_, &QLineEdit::selectionChanged, this, [this] { caretFromWidget(); });
}

void TextBoxPeer::caretFromWidget()
{
    if (isApplying() || !canReadControl())
        return;
    // The model's echo of the caret is the widget's own state: showing it would cut a selection
    // the user is still dragging.
    followingCaret_ = true;
    caretFromLineEdit(*edit_, box_);
    followingCaret_ = false;
}

void TextBoxPeer::show(std::string_view property)
{
    WidgetPeer::show(property);
    if (concerns(property, {"MaxLength"}))
        edit_->setMaxLength(box_.MaxLength() > 0 ? box_.MaxLength() : UnlimitedLength);
    if (concerns(property, {"Locked"}))
        edit_->setReadOnly(box_.Locked());
    if (concerns(property, {"Alignment"}))
        edit_->setAlignment(toQtAlignment(box_.Alignment()));
    if (concerns(property, {"Text", "SelStart", "SelLength"}) && !followingCaret_)
        showUserState();
}

void TextBoxPeer::showUserState()
{
    showLineEdit(*edit_, box_);
}

// ---- multi-line ----

MultiLineTextBoxPeer::MultiLineTextBoxPeer(platform::TextBox& box, FormPeer& form)
    : WidgetPeer(box, form), box_(box), edit_(new MultiLineEdit(containerArea(box, form)))
{
    edit_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    edit_->setTabChangesFocus(true);
    adopt(edit_, {edit_->viewport()});
    QObject::connect(edit_, &QPlainTextEdit::textChanged, this,
                     [this] { fromUser([this] { box_.userSetText(fromMultiLineText(edit_->toPlainText())); }); });
    QObject::connect(edit_, &QPlainTextEdit::cursorPositionChanged, this, [this] { caretFromWidget(); });
    QObject::connect(edit_, &QPlainTextEdit::selectionChanged, this, [this] { caretFromWidget(); });
}

void MultiLineTextBoxPeer::caretFromWidget()
{
    if (isApplying() || !canReadControl())
        return;
    const QTextCursor cursor = edit_->textCursor();
    const std::string& text = box_.Text();
    const int start = toModelPosition(text, cursor.selectionStart());
    const int end = toModelPosition(text, cursor.selectionEnd());
    followingCaret_ = true;
    box_.setSelStart(start);
    box_.setSelLength(end - start);
    followingCaret_ = false;
}

void MultiLineTextBoxPeer::show(std::string_view property)
{
    WidgetPeer::show(property);
    if (concerns(property, {"Locked"}))
        edit_->setReadOnly(box_.Locked());
    if (concerns(property, {"Alignment"})) {
        QTextOption option = edit_->document()->defaultTextOption();
        option.setAlignment(toQtAlignment(box_.Alignment()) & Qt::AlignHorizontal_Mask);
        edit_->document()->setDefaultTextOption(option);
    }
    if (concerns(property, {"Text", "SelStart", "SelLength"}) && !followingCaret_)
        showUserState();
}

void MultiLineTextBoxPeer::showUserState()
{
    const QString text = toDisplayText(box_.Text());
    if (edit_->toPlainText() != text)
        edit_->setPlainText(text);
    showCaret();
}

void MultiLineTextBoxPeer::showCaret()
{
    const std::string& text = box_.Text();
    const int start = toShownPosition(text, box_.SelStart());
    const int end = toShownPosition(text, box_.SelStart() + box_.SelLength());
    QTextCursor cursor = edit_->textCursor();
    if (cursor.selectionStart() == start && cursor.selectionEnd() == end)
        return;
    cursor.setPosition(start);
    cursor.setPosition(end, QTextCursor::KeepAnchor);
    edit_->setTextCursor(cursor);
}

} // namespace qtgui
