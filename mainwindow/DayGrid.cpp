#include "DayGrid.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>

namespace {

// The dotted frame round the day in focus; it takes no clicks.
class FocusFrame : public QWidget
{
public:
    explicit FocusFrame(QWidget *parent)
        : QWidget(parent)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoSystemBackground);
        setFocusPolicy(Qt::NoFocus);
        hide();
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
        painter.drawRect(rect().adjusted(1, 1, -2, -2));
    }
};

} // namespace

DayGrid::DayGrid(const std::array<QLabel *, 42> &cells, QWidget *before, QWidget *after,
                 std::function<bool(const QDate &)> showMonthOf, std::function<void(const QPoint &)> openMenu,
                 std::function<void(const QString &)> sayDay)
    : QObject(cells[0])
    , m_cells(cells)
    , m_before(before)
    , m_after(after)
    , m_showMonthOf(std::move(showMonthOf))
    , m_openMenu(std::move(openMenu))
    , m_sayDay(std::move(sayDay))
    , m_frame(new FocusFrame(cells[0]->parentWidget()))
{
    for (QLabel *cell : m_cells)
        cell->installEventFilter(this);
    // The frame is not read out: it is only where the focus is.
    m_frame->setAccessibleName(QString());
}

void DayGrid::setMonth(const QDate &first, int firstColumn, const QDate &today)
{
    m_first = first;
    m_firstColumn = firstColumn;
    m_today = today;
    updateTabStop();
    placeFrame();
}

QDate DayGrid::focusedDay() const
{
    for (QLabel *cell : m_cells) {
        if (cell->hasFocus())
            return dayOf(cell);
    }
    return {};
}

QLabel *DayGrid::cellOf(const QDate &day) const
{
    if (!m_first.isValid() || day.year() != m_first.year() || day.month() != m_first.month())
        return nullptr;
    return m_cells[m_firstColumn + day.day() - 1];
}

QDate DayGrid::dayOf(const QObject *cell) const
{
    for (int i = 0; i < int(m_cells.size()); ++i) {
        if (m_cells[i] == cell) {
            const QDate day = m_first.addDays(i - m_firstColumn);
            return day.month() == m_first.month() ? day : QDate();
        }
    }
    return {};
}

void DayGrid::updateTabStop()
{
    // The day she walked to, in any month (today's too); else today; else day 1.
    QLabel *entry = cellOf(m_visited);
    if (!entry)
        entry = cellOf(m_today);
    if (!entry)
        entry = cellOf(m_first);
    if (entry == m_entry)
        return;
    if (m_entry)
        m_entry->setFocusPolicy(Qt::NoFocus);
    m_entry = entry;
    if (entry && m_before && m_after) {
        entry->setFocusPolicy(Qt::TabFocus);
        QWidget::setTabOrder(m_before, entry);
        QWidget::setTabOrder(entry, m_after);
    }
}

void DayGrid::placeFrame()
{
    QLabel *focused = cellOf(focusedDay());
    const bool keyboard = focused && focused->window()->testAttribute(Qt::WA_KeyboardFocusChange);
    if (!keyboard) {
        m_frame->hide();
        return;
    }
    m_frame->setGeometry(focused->geometry());
    m_frame->raise();
    m_frame->show();
}

void DayGrid::moveTo(const QDate &day)
{
    if (!day.isValid())
        return;
    const bool turned = !cellOf(day);
    if (turned && !m_showMonthOf(day))
        return; // beyond the months that can be shown
    m_visited = day;
    updateTabStop();
    if (QLabel *cell = cellOf(day)) {
        cell->window()->setAttribute(Qt::WA_KeyboardFocusChange);
        // A new month is said with the day in one sentence, so that neither
        // cuts the other off; the same cell with a new day is said too.
        if (turned || cell->hasFocus())
            m_sayDay(cell->toolTip());
        if (!cell->hasFocus())
            cell->setFocus(Qt::OtherFocusReason);
    }
    placeFrame();
}

bool DayGrid::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::ShortcutOverride: {
        // Page Up and Page Down are the window's month keys elsewhere: on a
        // day they move the day, so the key is the day's.
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_PageUp || key->key() == Qt::Key_PageDown) {
            event->accept();
            return true;
        }
        break;
    }
    case QEvent::FocusIn:
        if (const QDate day = dayOf(watched); day.isValid())
            m_visited = day;
        placeFrame();
        break;
    case QEvent::FocusOut:
        placeFrame();
        break;
    case QEvent::MouseButtonDblClick:
        if (const QDate day = dayOf(watched); day.isValid() && m_openDay) {
            m_openDay(day);
            return true;
        }
        break;
    case QEvent::KeyPress: {
        const auto *key = static_cast<QKeyEvent *>(event);
        const QDate day = dayOf(watched);
        if (!day.isValid())
            break;
        // The keypad's keys are the screen reader's (flat review).
        if (key->modifiers() & Qt::KeypadModifier)
            return true;
        const Qt::KeyboardModifiers mods = key->modifiers() & ~Qt::KeypadModifier;
        if ((key->key() == Qt::Key_F10 && mods == Qt::ShiftModifier) || key->key() == Qt::Key_Menu) {
            auto *cell = static_cast<QWidget *>(watched);
            m_openMenu(cell->mapToGlobal(cell->rect().center()));
            return true;
        }
        if (mods != Qt::NoModifier)
            break;
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && m_openDay) {
            m_openDay(day);
            return true;
        }
        switch (key->key()) {
        case Qt::Key_Left:
            moveTo(day.addDays(-1));
            return true;
        case Qt::Key_Right:
            moveTo(day.addDays(1));
            return true;
        case Qt::Key_Up:
            moveTo(day.addDays(-7));
            return true;
        case Qt::Key_Down:
            moveTo(day.addDays(7));
            return true;
        case Qt::Key_Home:
            moveTo(QDate(day.year(), day.month(), 1));
            return true;
        case Qt::Key_End:
            moveTo(QDate(day.year(), day.month(), day.daysInMonth()));
            return true;
        case Qt::Key_PageUp:
            moveTo(day.addMonths(-1));
            return true;
        case Qt::Key_PageDown:
            moveTo(day.addMonths(1));
            return true;
        default:
            break;
        }
        break;
    }
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}
