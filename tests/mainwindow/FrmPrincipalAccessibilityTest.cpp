// What a screen reader, a keyboard user and a user of a dark desktop get
// from the main window.

#include "BoxFieldFocus.h"
#include "FrmPrincipalControls.h"
#include "DateText.h"
#include "ImageButton.h"
#include "MainWindowFixture.h"
#include "PictureBox.h"
#include "UserRecord.h"

#include <QAccessible>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QSignalSpy>

#include <algorithm>
#include <functional>

using TestSupport::writeBytes;

namespace {

QString utf8(const char *text)
{
    return QString::fromUtf8(text);
}

QAccessibleInterface *accessible(QObject *object)
{
    return QAccessible::queryAccessibleInterface(object);
}

class FrmPrincipalAccessibilityTest : public MainWindowFixture
{
protected:
    void SetUp() override
    {
        // The worked example: the period's last day is the next start.
        writeBytes(settingsPath(), QByteArray("\xFF\xFF", 2));
    }

    QLabel *cellOfDay(int day) const
    {
        for (int i = 0; i < 42; ++i) {
            if (ui(*window).lblDia(i)->text() == DateText::twoDigits(day))
                return ui(*window).lblDia(i);
        }
        return nullptr;
    }

    static QList<QObject *> childrenOf(QObject *object)
    {
        QList<QObject *> list;
        QAccessibleInterface *parent = accessible(object);
        for (int i = 0; i < parent->childCount(); ++i)
            list << parent->child(i)->object();
        return list;
    }
};

// WCAG's contrast ratio of two colours.
double contrast(const QColor &a, const QColor &b)
{
    auto luminance = [](const QColor &c) {
        auto channel = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
        return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
    };
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The contrast of a caption as drawn: its most common colour is the
// background, its ink the colour that stands out most from it.
double drawnContrast(const QImage &shot, const QRect &place)
{
    QHash<QRgb, int> counts;
    for (int y = place.top(); y <= place.bottom(); ++y)
        for (int x = place.left(); x <= place.right(); ++x)
            ++counts[shot.pixel(x, y)];
    const QRgb background = std::max_element(counts.begin(), counts.end(), [](int a, int b) { return a < b; }).key();
    double best = 1;
    for (auto it = counts.begin(); it != counts.end(); ++it)
        best = std::max(best, contrast(QColor(it.key()), QColor(background)));
    return best;
}

} // namespace

TEST_F(FrmPrincipalAccessibilityTest, EveryDayCellSaysItsDateAndMeaning)
{
    const struct
    {
        const char *date, *cycle;
        int day;
        const char *words;
    } cases[] = {
        {"01/03/2001", "28", 14, "quarta-feira, 14 de março de 2001: ápice da ovulação"},
        {"01/03/2001", "28", 28, "quarta-feira, 28 de março de 2001: próxima menstruação"},
        {"01/03/2001", "28", 12, "segunda-feira, 12 de março de 2001: dia de alto risco"},
        {"01/03/2001", "28", 2, "sexta-feira, 2 de março de 2001: dia de baixo risco"},
        {"01/03/2001", "28", 20, "terça-feira, 20 de março de 2001"},
        {"01/03/2001", "16", 8, "quinta-feira, 8 de março de 2001: ápice da ovulação"},
        {"01/03/2001", "16", 31, "sábado, 31 de março de 2001: próxima menstruação"},
        {"10/02/2004", "40", 20, "sábado, 20 de março de 2004: próxima menstruação"},
    };
    FrmPrincipal &w = open();
    // Before any consultation, today alone has a meaning.
    EXPECT_EQ(accessible(cellOfDay(7))->text(QAccessible::Name), utf8("segunda-feira, 7 de dezembro de 2026: hoje"));
    for (const auto &c : cases) {
        consult("Maria", c.date, c.cycle);
        QLabel *cell = cellOfDay(c.day);
        ASSERT_NE(cell, nullptr) << c.words;
        // The words are the day's name: a screen reader says them when the day has focus.
        EXPECT_EQ(accessible(cell)->text(QAccessible::Name), utf8(c.words));
        EXPECT_EQ(accessible(cell)->role(), QAccessible::ListItem);
        EXPECT_EQ(cell->toolTip(), utf8(c.words));
    }
    // Cells outside the month say nothing.
    EXPECT_EQ(ui(w).lblDia(41)->toolTip(), QString());
    EXPECT_EQ(accessible(ui(w).lblDia(41))->text(QAccessible::Name), QString());
    const char *legend[] = {"Próximas Menstruações", "Dias menos perigosos", "Dias mais perigosos",
                            "Ápice da Ovulação"};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(accessible(ui(w).legendBox(i))->text(QAccessible::Name), utf8(legend[i]));
        EXPECT_EQ(accessible(ui(w).legendBox(i))->role(), QAccessible::Graphic);
    }
}

TEST_F(FrmPrincipalAccessibilityTest, TheMonthIsSummedUpAndAnnounced)
{
    // What the announcement says; that it reaches a screen reader is the
    // accessibility bus test's to show.
    FrmPrincipal &w = open();
    auto *announcer = ui(w).imgFigCalendario()->findChild<QWidget *>("Announcer");
    ASSERT_NE(announcer, nullptr);
    EXPECT_EQ(announcer->accessibleName(), QString()); // the start announces nothing
    EXPECT_EQ(accessible(announcer)->role(), QAccessible::Notification);
    // The month, then the keys (the export and the PDF among them).
    const QString keys = utf8(" Setas, Home e End percorrem os dias; Page Up e Page Down mudam o mês. Menu do "
                              "calendário: tecla Menu ou Shift+F10. Exportar para a agenda: Ctrl+E. Salvar em PDF: "
                              "Ctrl+S. Imprimir: Ctrl+P.");
    EXPECT_EQ(accessible(ui(w).imgFigCalendario())->text(QAccessible::Description),
              utf8("Dezembro de 2026. Hoje: dia 7.") + keys);

    consult("Maria", "01/03/2001", "28");
    // The date she typed is said for what it is.
    const QString march = utf8("Março de 2001. Última menstruação informada: dia 1. Próxima menstruação: dia 28. "
                               "Ápice da ovulação: dia 14. Dias de alto risco: 12, 13, 15 e 16. Dias de baixo risco: "
                               "2, 3, 26, 27, 29 e 30.");
    EXPECT_EQ(accessible(ui(w).imgFigCalendario())->text(QAccessible::Description), march + keys);
    // What her history says comes once, with the month.
    EXPECT_EQ(announcer->accessibleName(),
              march + utf8(" Ainda não há ciclos suficientes para uma previsão pela sua história."));
    EXPECT_EQ(accessible(ui(w).lblDia(4))->text(QAccessible::Name),
              utf8("quinta-feira, 1 de março de 2001: última menstruação informada"));

    QTest::keyClick(&w, Qt::Key_PageDown);
    const QString april = announcer->accessibleName();
    EXPECT_TRUE(april.startsWith(utf8("Abril de 2001. Próxima menstruação: dia 24. Ápice da ovulação: dia 10.")))
        << qPrintable(april);
    // The keypad's Page Down is the screen reader's: the month stays.
    QTest::keyClick(ui(w).txtPeriodo(), Qt::Key_PageDown, Qt::KeypadModifier);
    EXPECT_EQ(announcer->accessibleName(), april);
}

TEST_F(FrmPrincipalAccessibilityTest, FieldsAreNamedByTheirCaptions)
{
    FrmPrincipal &w = open();
    const std::pair<QWidget *, const char *> fields[] = {
        {ui(w).cmbNome(), "Digite o seu nome abaixo:"},
        {ui(w).txtUltima(), "Última Menstruação:"},
        {ui(w).txtPeriodo(), "Período:"},
    };
    for (const auto &[field, caption] : fields) {
        EXPECT_EQ(accessible(field)->text(QAccessible::Name), utf8(caption));
        const auto labels = accessible(field)->relations(QAccessible::Label);
        ASSERT_EQ(labels.size(), 1) << caption;
        EXPECT_EQ(static_cast<QLabel *>(labels[0].first->object())->text(), utf8(caption));
        // The name box's text field is what Windows announces in focus, and
        // needs the caption; where the box is announced, a named field would
        // be said a second time.
        if (QAccessibleInterface *inner = accessible(field)->focusChild()) {
            EXPECT_EQ(inner->text(QAccessible::Name), BoxFieldFocus::fieldAnnouncedAlone() ? utf8(caption) : QString());
        }
    }
}

TEST_F(FrmPrincipalAccessibilityTest, PictureButtonsArePressedByKeysAndScreenReaders)
{
    FrmPrincipal &w = open();
    const std::pair<ImageButton *, const char *> keyed[] = {
        {ui(w).imgCalcular(), "Enter"}, {ui(w).imgImprimir(), "Ctrl+P"}, {ui(w).imgGoLeft(), "Page Up"},
        {ui(w).imgGoRight(), "Page Down"}};
    for (const auto &[button, key] : keyed) {
        EXPECT_TRUE(button->toolTip().contains(key)) << key;
        EXPECT_TRUE(accessible(button)->text(QAccessible::Description).contains(key)) << key;
    }
    for (ImageButton *button : {ui(w).imgCalcular(), ui(w).imgImprimir(), ui(w).imgGoLeft(), ui(w).imgGoRight(), ui(w).imgQuintrela(),
                                ui(w).imgQuintrela1(), ui(w).imgPublicitario()}) {
        ASSERT_EQ(accessible(button)->role(), QAccessible::Button) << qPrintable(button->objectName());
        EXPECT_TRUE(accessible(button)->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));
    }
    // A screen reader's press steps the month (Qt animates the press first).
    accessible(ui(w).imgGoRight())->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_TRUE(QTest::qWaitFor([&] { return ui(w).lblMes()->text() == "Janeiro de 2027"; }));

    // Tab goes on from the fields to the buttons; Enter and Space press them.
    ui(w).txtPeriodo()->setFocus();
    QTest::keyClick(ui(w).txtPeriodo(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), ui(w).imgCalcular());
    for (ImageButton *next : {ui(w).imgImprimir(), ui(w).imgGoLeft()}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), next) << qPrintable(next->objectName());
    }
    QTest::keyClick(ui(w).imgGoLeft(), Qt::Key_Return);
    EXPECT_EQ(ui(w).lblMes()->text(), "Dezembro de 2026");
    QTest::keyClick(ui(w).imgGoLeft(), Qt::Key_Space);
    EXPECT_EQ(ui(w).lblMes()->text(), "Novembro de 2026");
    // A click leaves the focus in the field the user typed in.
    ui(w).txtUltima()->setFocus();
    QTest::mouseClick(ui(w).imgGoRight(), Qt::LeftButton);
    EXPECT_EQ(QApplication::focusWidget(), ui(w).txtUltima());
    EXPECT_EQ(ui(w).lblMes()->text(), "Dezembro de 2026");
}

TEST_F(FrmPrincipalAccessibilityTest, ReadInTheOrderShownAndOnlyWhatIsShown)
{
    FrmPrincipal &w = open();
    EXPECT_EQ(accessible(&w)->role(), QAccessible::Window);
    EXPECT_EQ(childrenOf(&w),
              (QList<QObject *>{ui(w).picEntrada(), ui(w).imgFigCalendario(), ui(w).picLegenda(), ui(w).picPrevinir(), ui(w).lblInfo(),
                                ui(w).imgPublicitario()->parentWidget(), w.findChild<QWidget *>("previsao")}));
    const QList<QObject *> calendar = childrenOf(ui(w).imgFigCalendario());
    EXPECT_EQ(calendar.mid(0, 4), (QList<QObject *>{ui(w).lblMes(), ui(w).imgGoLeft(), ui(w).imgGoRight(), ui(w).lblSemana(0)}));
    EXPECT_EQ(calendar.indexOf(ui(w).lblDia(0)), 10);
    EXPECT_EQ(childrenOf(ui(w).picEntrada()).mid(0, 2), (QList<QObject *>{ui(w).lblLabel(0), ui(w).cmbNome()}));

    // Nothing reached from the window is a picture never seen.
    QList<QObject *> reached;
    std::function<void(QAccessibleInterface *)> walk = [&](QAccessibleInterface *node) {
        reached << node->object();
        for (int i = 0; i < node->childCount(); ++i)
            walk(node->child(i));
    };
    walk(accessible(&w));
    for (QObject *unseen : {static_cast<QObject *>(ui(w).imgPub(0)), static_cast<QObject *>(ui(w).imgPub(1)),
                            static_cast<QObject *>(ui(w).picRosto(0))})
        EXPECT_FALSE(reached.contains(unseen)) << qPrintable(unseen->objectName());

    // The legend under the notice is not showing until the notice goes.
    EXPECT_TRUE(accessible(ui(w).lblInfoLegenda(0))->state().invisible);
    EXPECT_FALSE(accessible(ui(w).lblSexoSafe())->state().invisible);
    consult("Maria", "01/03/2001", "28");
    EXPECT_FALSE(accessible(ui(w).lblInfoLegenda(0))->state().invisible);
    EXPECT_TRUE(accessible(ui(w).lblSexoSafe())->state().invisible);
}

TEST_F(FrmPrincipalAccessibilityTest, CaptionsStayReadableUnderADarkPalette)
{
    const QPalette light = QApplication::palette();
    QPalette dark;
    for (auto [role, colour] : {std::pair{QPalette::Window, QColor(53, 53, 53)}, {QPalette::WindowText, Qt::white},
                                {QPalette::Base, QColor(42, 42, 42)}, {QPalette::Text, Qt::white},
                                {QPalette::Button, QColor(53, 53, 53)}, {QPalette::ButtonText, Qt::white}})
        dark.setColor(role, colour);
    QApplication::setPalette(dark);

    FrmPrincipal &w = open();
    QList<QLabel *> captions = {ui(w).lblLabel(0), ui(w).lblLabel(1), ui(w).lblLabel(2), ui(w).lblLabel(3), ui(w).lblLabel(5),
                                ui(w).lblShowDias(), ui(w).lblMes(), ui(w).lblSexoSafe(), ui(w).lblInfo()};
    for (int i = 0; i < 7; ++i)
        captions << ui(w).lblSemana(i);
    auto check = [&](const QList<QLabel *> &labels) {
        const QImage shot = w.grab().toImage();
        for (QLabel *label : labels) {
            const QRect place(label->mapTo(&w, QPoint(0, 0)), label->size());
            EXPECT_GE(drawnContrast(shot, place.intersected(w.rect())), 4.5)
                << qPrintable(label->objectName() + " " + label->text());
        }
    };
    check(captions);
    consult("Maria", "01/03/2001", "28");
    check({ui(w).lblInfoLegenda(0), ui(w).lblInfoLegenda(1), ui(w).lblInfoLegenda(2), ui(w).lblInfoLegenda(3)});
    savePath = dir.filePath("agenda.ics");
    w.exportToCalendar();
    check({w.findChild<QLabel *>("savedLine")});

    window.reset();
    QApplication::setPalette(light);
}

TEST_F(FrmPrincipalAccessibilityTest, TheDaysAreWalkedByKeyboard)
{
    FrmPrincipal &w = open();
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    consult("Maria", "01/03/2001", "28");
    auto dayInFocus = [&] {
        auto *cell = qobject_cast<QLabel *>(QApplication::focusWidget());
        return cell && cell->objectName() == "lblDia" ? accessible(cell)->text(QAccessible::Name) : QString();
    };
    // Tab reaches the days after the month arrows, at day 1 (today is not in March 2001).
    ui(w).imgGoRight()->setFocus(Qt::TabFocusReason);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(dayInFocus(), utf8("quinta-feira, 1 de março de 2001: última menstruação informada"));
    const struct
    {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        const char *day;
    } moves[] = {
        {Qt::Key_Right, {}, "sexta-feira, 2 de março de 2001: dia de baixo risco"},
        {Qt::Key_Down, {}, "sexta-feira, 9 de março de 2001"},
        {Qt::Key_End, {}, "sábado, 31 de março de 2001"},
        {Qt::Key_Up, {}, "sábado, 24 de março de 2001"},
        {Qt::Key_Home, {}, "quinta-feira, 1 de março de 2001: última menstruação informada"},
        {Qt::Key_Left, {}, "quarta-feira, 28 de fevereiro de 2001: dia de baixo risco"}, // the month turns
        {Qt::Key_PageDown, {}, "quarta-feira, 28 de março de 2001: próxima menstruação"},
        {Qt::Key_PageDown, Qt::KeypadModifier, "quarta-feira, 28 de março de 2001: próxima menstruação"}, // Orca's
        {Qt::Key_Up, {}, "quarta-feira, 21 de março de 2001"},
    };
    auto chosenDays = [&] {
        QStringList chosen;
        for (int i = 0; i < 42; ++i)
            if (accessible(ui(w).lblDia(i))->state().selected)
                chosen << accessible(ui(w).lblDia(i))->text(QAccessible::Name);
        return chosen;
    };
    for (const auto &m : moves) {
        QTest::keyClick(QApplication::focusWidget(), m.key, m.modifiers);
        EXPECT_EQ(dayInFocus(), utf8(m.day)) << m.key;
        // The day in focus, and it alone, is the chosen one (never "não selecionado").
        EXPECT_EQ(chosenDays(), QStringList{utf8(m.day)}) << m.key;
    }
    EXPECT_EQ(ui(w).lblMes()->text(), utf8("Março de 2001"));
    // Shift+F10 and the Menu key open the calendar's menu on the day.
    auto *menu = w.findChild<QMenu *>();
    ASSERT_NE(menu, nullptr);
    for (const auto &[key, modifiers] : {std::pair{Qt::Key_F10, Qt::ShiftModifier}, std::pair{Qt::Key_Menu, Qt::NoModifier}}) {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
        EXPECT_TRUE(QTest::qWaitFor([&] { return menu->isVisible(); }, 2000)) << key;
        // Not announced as the active window between the menu's items.
        EXPECT_FALSE(accessible(&w)->state().active) << key;
        menu->close();
        EXPECT_TRUE(accessible(&w)->state().active) << key;
    }
    // Tab leaves the days; back again, it comes to the day last visited.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(dayInFocus(), QString());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    EXPECT_EQ(dayInFocus(), utf8("quarta-feira, 21 de março de 2001"));
    // A month turned at a day's edge: the month and the day in one sentence.
    auto *announcer = ui(w).imgFigCalendario()->findChild<QWidget *>("Announcer");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Home);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left);
    EXPECT_EQ(announcer->accessibleName(), utf8("Fevereiro de 2001. Dias de baixo risco: 27 e 28. quarta-feira, 28 de "
                                                "fevereiro de 2001: dia de baixo risco."));
}

TEST_F(FrmPrincipalAccessibilityTest, EachThingIsSaidOnceWhenItHappens)
{
    WindowServices s = services();
    s.chooseSavePath = [this](QWidget *, const QString &, const QString &suggested, const QString &) {
        return dir.filePath(QFileInfo(suggested).fileName());
    };
    window = std::make_unique<FrmPrincipal>(*state, dir.path(), s);
    FrmPrincipal &w = *window;
    w.show();
    auto *announcer = ui(w).imgFigCalendario()->findChild<QWidget *>("Announcer");
    const QString notice = utf8("A Quintrela não é um método contraceptivo.");
    const QString march = utf8("Março de 2001. Última menstruação informada: dia 1.");
    const QString stored =
        utf8("Dados guardados: última menstruação em quinta-feira, 1 de março de 2001, período de 28 dias.");
    QSignalSpy nameChanges(ui(w).cmbNome()->lineEdit(), &QLineEdit::textChanged);
    const struct
    {
        const char *moment;
        std::function<void()> action;
        QString said;        // the announcer's sentence begins so
        bool noticeDescribed; // the window still describes itself by the notice
        int nameChanges;
    } moments[] = {
        {"the window opens", [] {}, QString(), true, 0},
        {"a consultation", [&] { consult("Maria", "01/03/2001", "28"); }, march, false, -1},
        {"her name picked, other data on screen",
         [&] {
             ui(w).txtPeriodo()->setText("30");
             nameChanges.clear();
             emit ui(w).cmbNome()->activated(0);
         },
         stored, false, 0},
        {"her name picked in small letters, her data on screen: nothing new to say",
         [&] {
             announcer->setAccessibleName(QString());
             ui(w).cmbNome()->setEditText("maria");
             nameChanges.clear();
             emit ui(w).cmbNome()->activated(0);
         },
         QString(), false, 1},
        {"a PDF saved", [&] { w.savePdf(); }, utf8("Calendário salvo em PDF em ") + QDir::toNativeSeparators(dir.path()), false, -1},
        {"an export", [&] { w.exportToCalendar(); }, utf8("Agenda salva em ") + QDir::toNativeSeparators(dir.filePath("Quintrela Maria.ics")), false, -1},
    };
    for (const auto &m : moments) {
        m.action();
        if (m.said.isEmpty()) {
            EXPECT_EQ(announcer->accessibleName(), QString()) << m.moment;
        }
        EXPECT_TRUE(announcer->accessibleName().startsWith(m.said)) << m.moment << ": " << qPrintable(announcer->accessibleName());
        EXPECT_EQ(accessible(&w)->text(QAccessible::Name), utf8("Quintrela Eletrônica")) << m.moment;
        EXPECT_EQ(accessible(&w)->text(QAccessible::Description).startsWith(notice), m.noticeDescribed) << m.moment;
        if (m.nameChanges >= 0) {
            EXPECT_EQ(nameChanges.size(), m.nameChanges) << m.moment;
        }
    }
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(w.windowTitle(), utf8("Quintrela Eletrônica (https://quintrela.com.br)")); // the title bar keeps it
}

TEST_F(FrmPrincipalAccessibilityTest, FieldsAreReadWholeWhereverTheCaretIs)
{
    FrmPrincipal &w = open();
    const std::pair<QLineEdit *, const char *> fields[] = {
        {ui(w).cmbNome()->lineEdit(), "Maria"}, {ui(w).txtUltima(), "08/12/2026"}, {ui(w).txtPeriodo(), "28"}, {ui(w).txtPeriodo(), ""}};
    for (const auto &[field, value] : fields) {
        field->setText(utf8(value));
        QAccessibleTextInterface *text = accessible(field)->textInterface();
        ASSERT_NE(text, nullptr) << value;
        const int length = int(qstrlen(value));
        for (int offset = 0; offset <= length; ++offset) {
            int start = -1, end = -1;
            text->attributes(offset, &start, &end);
            // One run over the whole text: a reader builds the line from it.
            EXPECT_EQ(std::pair(start, end), std::pair(0, length)) << value << " at " << offset;
        }
        EXPECT_EQ(text->text(0, text->characterCount()), utf8(value));
        EXPECT_EQ(accessible(field)->text(QAccessible::Value), utf8(value));
    }
}

TEST_F(FrmPrincipalAccessibilityTest, TabLeavesAndReturnsToTheDayInFocusInEveryMonth)
{
    const struct
    {
        const char *month;
        QDate today;
    } months[] = {
        {"a month without today", {2026, 12, 7}},
        {"today's month", {2001, 3, 14}},
    };
    for (const auto &m : months) {
        today = m.today;
        state = std::make_unique<fQuintrela>();
        FrmPrincipal &w = open();
        w.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
        consult("Maria", "01/03/2001", "28");
        cellOfDay(14)->setFocus(Qt::TabFocusReason);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        ASSERT_EQ(QApplication::focusWidget(), cellOfDay(22)) << m.month;
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        // The banners after the days (the notice's picture is hidden once she has consulted).
        QWidget *banner = ui(w).imgQuintrela()->isVisible() ? ui(w).imgQuintrela() : ui(w).imgQuintrela1();
        EXPECT_EQ(QApplication::focusWidget(), banner) << m.month << ": Tab goes on to the banners";
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        EXPECT_EQ(QApplication::focusWidget(), cellOfDay(22)) << m.month << ": Shift+Tab comes back to the day";
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        EXPECT_EQ(QApplication::focusWidget(), ui(w).imgGoRight()) << m.month << ": and goes on to the arrows";
        window.reset();
    }
}

namespace {
QList<std::pair<QObject *, QAccessible::Event>> sentEvents;
void keepEvent(QAccessibleEvent *event)
{
    sentEvents.append({event->object(), event->type()});
}
} // namespace

TEST_F(FrmPrincipalAccessibilityTest, AConsultationTellsOfChangedDaysOnly)
{
    // A flood of events makes Orca drop its queue, the month's announcement
    // with it: each day that changes is told once, a blank cell never.
    FrmPrincipal &w = open();
    sentEvents.clear();
    QAccessible::setActive(true);
    if (!QAccessible::isActive())
        GTEST_SKIP() << "the offscreen platform has no accessibility: run under X11 (mainwindow_on_x11)";
    const auto previous = QAccessible::installUpdateHandler(keepEvent);
    consult("Maria", "01/03/2001", "28"); // from December 2026 to March 2001
    QAccessible::setActive(false);
    QAccessible::installUpdateHandler(previous);
    std::map<int, int> perCell; // cell -> events
    for (const auto &[object, type] : sentEvents) {
        for (int i = 0; i < 42; ++i) {
            if (object == ui(w).lblDia(i)) {
                EXPECT_EQ(type, QAccessible::NameChanged) << i;
                ++perCell[i];
            }
        }
    }
    for (const auto &[cell, count] : perCell) {
        EXPECT_EQ(count, 1) << "cell " << cell;
        EXPECT_TRUE(cell >= 2 && cell <= 34) << "cell " << cell << " is blank before and after";
    }
    EXPECT_GE(perCell.size(), 31u) << sentEvents.size() << " events in all";
}



TEST_F(FrmPrincipalAccessibilityTest, TheNameBoxIsLeftAloneWhenItsListOnlyGrows)
{
    FrmPrincipal &w = open();
    const struct
    {
        const char *name;
        QStringList fileBefore; // written by another copy meanwhile; empty: left as it is
        bool textChanges;       // in the name box while the consultation is made
        QStringList listed;
    } cases[] = {
        {"Maria", {}, false, {"Maria"}}, // the first name: added to the list, the box left alone
        {"Maria", {}, false, {"Maria"}}, // remembered: the list as it was
        {"Ana", {}, false, {"Maria", "Ana"}},
        {"Maria", {"Bia", "Maria"}, true, {"Bia", "Maria"}}, // another order: filled again, her name kept
    };
    for (const auto &c : cases) {
        if (!c.fileBefore.isEmpty()) {
            QByteArray bytes;
            for (const QString &name : c.fileBefore)
                bytes += UserRecord{name, "28", "01/03/2001"}.encode();
            TestSupport::writeBytes(recordsPath(), bytes);
        }
        type(ui(w).cmbNome(), c.name);
        type(ui(w).txtUltima(), "01/03/2001");
        type(ui(w).txtPeriodo(), "28");
        QSignalSpy changed(ui(w).cmbNome()->lineEdit(), &QLineEdit::textChanged);
        QTest::keyClick(ui(w).txtUltima(), Qt::Key_Return);
        EXPECT_EQ(!changed.isEmpty(), c.textChanges) << c.name << ": " << changed.size();
        EXPECT_EQ(ui(w).cmbNome()->currentText(), c.name);
        QStringList listed;
        for (int i = 0; i < ui(w).cmbNome()->count(); ++i)
            listed << ui(w).cmbNome()->itemText(i);
        EXPECT_EQ(listed, c.listed) << c.name;
    }
}
