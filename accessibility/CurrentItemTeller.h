#pragma once
// Qt tells a screen reader of a list's or table's item only as the current
// one changes: arriving in the view (Tab, or a list popping up) says the
// view and no item. This tells the item she lands on too.

#include <QObject>

class QAbstractItemView;

class CurrentItemTeller : public QObject
{
    Q_OBJECT
public:
    // Watches the view's focus; owned by the view.
    explicit CurrentItemTeller(QAbstractItemView *view);

    // The current item, said as if focus had just moved to it.
    static void tell(QAbstractItemView *view);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QAbstractItemView *m_view;
};
