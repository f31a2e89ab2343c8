#include "AccessibleFactory.h"

#include <QAccessible>
#include <QAccessibleTextInterface>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

// A screen reader's magnifier and its mouse review ask where each character
// stands: the answer must hold where the field has scrolled its text, as a
// file dialog's name field does with a long name.
TEST(LineEditAccessibleTest, CharactersStandWhereTheFieldDrawsThemScrolledOrNot)
{
    AccessibleFactory::install();
    QLineEdit field;
    field.resize(120, 30);
    field.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&field));
    for (const QString &text : {QStringLiteral("Maria"), QStringLiteral("Calendário de março de 2001 da Maria Aparecida.pdf")}) {
        SCOPED_TRACE(text.toStdString());
        field.setText(text);
        field.end(false); // the cursor, and the view, at the end
        field.repaint();  // where the field works out how far it scrolls
        QAccessibleTextInterface *words = QAccessible::queryAccessibleInterface(&field)->textInterface();
        ASSERT_NE(words, nullptr);
        for (int offset : {int(text.size()) - 1, int(text.size()) - 4}) {
            const QRect at = words->characterRect(offset);
            const QPoint inField = field.mapFromGlobal(at.center());
            EXPECT_TRUE(field.rect().contains(inField)) << offset << " at " << inField.x();
            EXPECT_EQ(words->offsetAtPoint(at.center()), offset);
        }
    }
}
