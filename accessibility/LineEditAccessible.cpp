#include "LineEditAccessible.h"

#include "BoxFieldFocus.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QLineEdit>

LineEditAccessible::LineEditAccessible(QLineEdit *edit)
    : QAccessibleWidget(edit, QAccessible::EditableText)
{
}

QLineEdit *LineEditAccessible::edit() const
{
    return static_cast<QLineEdit *>(widget());
}

void *LineEditAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface *>(this);
    if (type == QAccessible::EditableTextInterface)
        return static_cast<QAccessibleEditableTextInterface *>(this);
    return QAccessibleWidget::interface_cast(type);
}

QString LineEditAccessible::text(QAccessible::Text t) const
{
    QString said;
    if (t == QAccessible::Value && edit()->echoMode() == QLineEdit::Normal)
        said = edit()->text();
    if (said.isEmpty())
        said = QAccessibleWidget::text(t);
    if (said.isEmpty() && t == QAccessible::Description)
        said = edit()->placeholderText();
    // An editable box hands its focus to its text field; where the field
    // alone is announced, it carries the box's name (its own, or its
    // caption's).
    auto *box = qobject_cast<QComboBox *>(edit()->parentWidget());
    if (said.isEmpty() && t == QAccessible::Name && BoxFieldFocus::fieldAnnouncedAlone() && box
        && box->lineEdit() == edit()) {
        said = box->accessibleName();
        const auto captions = QAccessible::queryAccessibleInterface(box)->relations(QAccessible::Label);
        if (said.isEmpty() && !captions.isEmpty())
            said = captions.first().first->text(QAccessible::Name);
    }
    return said;
}

void LineEditAccessible::setText(QAccessible::Text t, const QString &text)
{
    if (t == QAccessible::Value && !edit()->isReadOnly())
        edit()->setText(text);
    else
        QAccessibleWidget::setText(t, text);
}

QAccessible::State LineEditAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.readOnly = edit()->isReadOnly();
    state.editable = !edit()->isReadOnly();
    state.passwordEdit = edit()->echoMode() != QLineEdit::Normal;
    state.selectableText = true;
    return state;
}

void LineEditAccessible::selection(int selectionIndex, int *startOffset, int *endOffset) const
{
    *startOffset = *endOffset = 0;
    if (selectionIndex != 0 || !edit()->hasSelectedText())
        return;
    *startOffset = edit()->selectionStart();
    *endOffset = edit()->selectionEnd();
}

int LineEditAccessible::selectionCount() const
{
    return edit()->hasSelectedText() ? 1 : 0;
}

void LineEditAccessible::addSelection(int startOffset, int endOffset)
{
    setSelection(0, startOffset, endOffset);
}

void LineEditAccessible::removeSelection(int selectionIndex)
{
    if (selectionIndex == 0)
        edit()->deselect();
}

void LineEditAccessible::setSelection(int selectionIndex, int startOffset, int endOffset)
{
    if (selectionIndex == 0)
        edit()->setSelection(startOffset, endOffset - startOffset);
}

int LineEditAccessible::cursorPosition() const
{
    return edit()->cursorPosition();
}

void LineEditAccessible::setCursorPosition(int position)
{
    edit()->setCursorPosition(position);
}

QString LineEditAccessible::text(int startOffset, int endOffset) const
{
    if (startOffset > endOffset)
        return {};
    return edit()->displayText().mid(startOffset, endOffset - startOffset);
}

int LineEditAccessible::characterCount() const
{
    return int(edit()->displayText().size());
}

QRect LineEditAccessible::characterRect(int offset) const
{
    const QString shown = edit()->displayText();
    if (offset < 0 || offset >= shown.size())
        return {};
    // Placed from the cursor, which QLineEdit draws where the text stands:
    // a long text (a file dialog's name) is scrolled, and the cursor with it.
    const QFontMetrics metrics(edit()->font());
    const QRect inside = edit()->contentsRect().marginsRemoved(edit()->textMargins());
    const QString beforeCursor = shown.left(edit()->cursorPosition());
    const QRect cursor = edit()->inputMethodQuery(Qt::ImCursorRectangle).toRect();
    const int x = cursor.center().x() - metrics.horizontalAdvance(beforeCursor)
        + metrics.horizontalAdvance(shown.left(offset));
    const QRect cell(x, inside.top() + (inside.height() - metrics.height()) / 2,
                     metrics.horizontalAdvance(shown.at(offset)), metrics.height());
    return QRect(edit()->mapToGlobal(cell.topLeft()), cell.size());
}

int LineEditAccessible::offsetAtPoint(const QPoint &point) const
{
    return edit()->cursorPositionAt(edit()->mapFromGlobal(point));
}

void LineEditAccessible::scrollToSubstring(int startIndex, int)
{
    edit()->setCursorPosition(startIndex);
}

QString LineEditAccessible::attributes(int, int *startOffset, int *endOffset) const
{
    // One run, without attributes of its own, over the whole text.
    *startOffset = 0;
    *endOffset = characterCount();
    return {};
}

void LineEditAccessible::deleteText(int startOffset, int endOffset)
{
    edit()->setText(edit()->text().remove(startOffset, endOffset - startOffset));
}

void LineEditAccessible::insertText(int offset, const QString &text)
{
    edit()->setText(edit()->text().insert(offset, text));
}

void LineEditAccessible::replaceText(int startOffset, int endOffset, const QString &text)
{
    edit()->setText(edit()->text().replace(startOffset, endOffset - startOffset, text));
}
