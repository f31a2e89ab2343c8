#include "FrmAnotar.h"

#include "Artwork.h"
#include "DateText.h"
#include "DayNoteTexts.h"

#include <QCheckBox>
#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QVBoxLayout>

using namespace DayNoteTexts;

namespace {

// Alt keys are for the listed boxes; hers are reached with Tab.
QString plainText(QString text)
{
    return text.replace(QStringLiteral("&&"), QStringLiteral("\x01")).remove(u'&').replace(u'\x01', u'&');
}

QLabel *labelFor(QWidget *field, const QString &text)
{
    auto *label = new QLabel(text, field->parentWidget());
    label->setBuddy(field);
    return label;
}

} // namespace

FrmAnotar::FrmAnotar(const QDate &day, const QDate &today, Book book, QWidget *parent)
    : QDialog(parent), m_book(std::move(book))
{
    setWindowTitle(noteTitle);
    // The program's own face, as its other windows: not a system's serif fallback (Wine).
    setFont(Artwork::uiFont(9.75));
    auto *layout = new QVBoxLayout(this);
    auto *form = new QFormLayout;
    // Typed as the calendar's own date field is: dd/mm/aaaa.
    m_day = new QLineEdit(this);
    m_day->setObjectName(QStringLiteral("txtDia"));
    m_day->setMaxLength(10);
    form->addRow(labelFor(m_day, dayLabel), m_day);
    m_dayRefused = new QLabel(this);
    m_dayRefused->setObjectName(QStringLiteral("lblDiaRecusado"));
    m_dayRefused->setWordWrap(true);
    form->addRow(QString(), m_dayRefused);
    m_dayRefused->hide();
    m_started = new QCheckBox(startedBox, this);
    m_started->setObjectName(QStringLiteral("chkComecou"));
    form->addRow(QString(), m_started);
    layout->addLayout(form);
    // Radio buttons, not lists: each choice is seen at once, and a screen
    // reader says the one the arrows land on (a closed list says nothing).
    QStringList flows, pains;
    for (int f = int(DayNote::Flow::Nenhum); f <= int(DayNote::Flow::Intenso); ++f)
        flows << DayNotes::flowWord(DayNote::Flow(f));
    for (int p = int(DayNote::Pain::Nenhuma); p <= int(DayNote::Pain::Forte); ++p)
        pains << DayNotes::painWord(DayNote::Pain(p));
    m_flow = choices(flowLabel, QStringLiteral("rdoFluxo"), flows, layout);
    m_pain = choices(painLabel, QStringLiteral("rdoDor"), pains, layout);

    auto *symptoms = new QGroupBox(symptomsTitle, this);
    auto *grid = new QGridLayout;
    for (int i = 0; i < symptomBoxes.size(); ++i) {
        auto *box = new QCheckBox(symptomBoxes[i], symptoms);
        box->setObjectName(QStringLiteral("chkSintoma%1").arg(i));
        grid->addWidget(box, i / 3, i % 3);
        m_symptoms.append(box);
    }
    auto *inside = new QVBoxLayout(symptoms);
    inside->addLayout(grid);
    m_ownBoxes = new QVBoxLayout;
    inside->addLayout(m_ownBoxes);
    for (const QString &own : m_book.ownSymptoms) {
        auto *box = new QCheckBox(symptoms);
        box->setText(QString(own).replace(u'&', QStringLiteral("&&")));
        m_ownBoxes->addWidget(box);
        m_symptoms.append(box);
    }
    auto *otherForm = new QFormLayout;
    m_other = new QLineEdit(symptoms);
    m_other->setObjectName(QStringLiteral("txtOutroSintoma"));
    m_other->setMaxLength(DayNote::maxSymptomChars);
    otherForm->addRow(labelFor(m_other, otherLabel), m_other);
    inside->addLayout(otherForm);
    layout->addWidget(symptoms);

    auto *words = new QFormLayout;
    m_mood = new QLineEdit(this);
    m_mood->setObjectName(QStringLiteral("txtHumor"));
    m_mood->setMaxLength(DayNote::maxMoodChars);
    words->addRow(labelFor(m_mood, moodLabel), m_mood);
    m_note = new QPlainTextEdit(this);
    m_note->setObjectName(QStringLiteral("txtNota"));
    m_note->setTabChangesFocus(true);
    m_note->setMinimumHeight(m_note->fontMetrics().lineSpacing() * 5);
    words->addRow(labelFor(m_note, noteLabel), m_note);
    m_left = new QLabel(this);
    m_left->setObjectName(QStringLiteral("lblCaracteres"));
    words->addRow(QString(), m_left);
    layout->addLayout(words);
    connect(m_note, &QPlainTextEdit::textChanged, this, &FrmAnotar::limitNote);

    auto *buttons = new QDialogButtonBox(this);
    QPushButton *save = buttons->addButton(saveButton, QDialogButtonBox::AcceptRole);
    buttons->addButton(cancelButton, QDialogButtonBox::RejectRole);
    save->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);

    // A whole day typed brings its note; anything else waits for Salvar to say why.
    connect(m_day, &QLineEdit::textEdited, this, [this](const QString &text) {
        // Not while she is still typing the year: "20/11/20" is a day too.
        static const QRegularExpression whole(QStringLiteral("^\\s*\\d{1,2}/\\d{1,2}/\\d{4}\\s*$"));
        const QDate typed = whole.match(text).hasMatch() ? DateText::readDate(text) : QDate();
        if (typed.isValid() && typed != m_shown && typed <= m_today && typed.year() >= 1900)
            showDay(typed);
    });
    m_today = today;
    const QDate first = day.isValid() && day <= today ? day : today;
    m_day->setText(DateText::formatDdMmYyyy(first));
    showDay(first);
    m_day->selectAll();
    m_day->setFocus();
}

QButtonGroup *FrmAnotar::choices(const QString &title, const QString &name, const QStringList &words, QVBoxLayout *into)
{
    auto *box = new QGroupBox(title, this);
    auto *row = new QHBoxLayout(box);
    auto *group = new QButtonGroup(box);
    for (int i = 0; i < words.size(); ++i) {
        auto *choice = new QRadioButton(words[i], box);
        choice->setObjectName(name + QString::number(i));
        group->addButton(choice, i);
        row->addWidget(choice);
    }
    row->addStretch(1);
    into->addWidget(box);
    return group;
}

void FrmAnotar::accept()
{
    const QDate typed = DateText::readDate(m_day->text());
    if (typed.isValid() && typed == m_shown) {
        QDialog::accept();
        return;
    }
    m_dayRefused->setText(dayRefused);
    m_dayRefused->show();
    m_day->setAccessibleDescription(dayRefused);
    m_day->selectAll();
    m_day->setFocus();
}

void FrmAnotar::showDay(const QDate &day)
{
    m_shown = day;
    m_dayRefused->hide();
    m_day->setAccessibleDescription(QString());
    const DayNote note = m_book.noteOf(day);
    m_startedBefore = m_book.isStart(day);
    m_started->setChecked(m_startedBefore);
    // A start in her history is removed there (Histórico), never by a box left unticked.
    m_started->setEnabled(!m_startedBefore);
    m_flow->button(int(note.flow))->setChecked(true);
    m_pain->button(int(note.pain))->setChecked(true);
    showSymptoms(note.symptoms);
    m_mood->setText(note.mood);
    m_note->setPlainText(note.note);
    limitNote();
    m_other->clear();
}

void FrmAnotar::showSymptoms(const QStringList &checked)
{
    QStringList unseen = checked;
    for (QCheckBox *box : std::as_const(m_symptoms)) {
        const QString symptom = plainText(box->text());
        box->setChecked(checked.contains(symptom, Qt::CaseInsensitive));
        unseen.removeIf([&](const QString &s) { return s.compare(symptom, Qt::CaseInsensitive) == 0; });
    }
    // A symptom of hers from this day only: a box of its own, ticked.
    for (const QString &own : std::as_const(unseen)) {
        auto *box = new QCheckBox(m_symptoms.constFirst()->parentWidget());
        box->setText(QString(own).replace(u'&', QStringLiteral("&&")));
        box->setChecked(true);
        m_ownBoxes->addWidget(box);
        m_symptoms.append(box);
    }
}

void FrmAnotar::limitNote()
{
    const QString text = m_note->toPlainText();
    if (text.size() > DayNote::maxNoteChars) {
        // Whatever was pasted past the limit is cut, the caret left at the end.
        const QSignalBlocker quiet(m_note);
        const int kept = text.at(DayNote::maxNoteChars - 1).isHighSurrogate() ? DayNote::maxNoteChars - 1
                                                                               : DayNote::maxNoteChars;
        m_note->setPlainText(text.left(kept));
        m_note->moveCursor(QTextCursor::End);
    }
    m_left->setText(charsLeft.arg(m_note->toPlainText().size()).arg(DayNote::maxNoteChars));
}

DayNote FrmAnotar::note() const
{
    DayNote note;
    note.day = m_shown;
    note.flow = DayNote::Flow(std::max(0, m_flow->checkedId()));
    note.pain = DayNote::Pain(std::max(0, m_pain->checkedId()));
    for (const QCheckBox *box : m_symptoms) {
        if (box->isChecked())
            note.symptoms.append(plainText(box->text()));
    }
    if (!m_other->text().trimmed().isEmpty())
        note.symptoms.append(m_other->text());
    note.mood = m_mood->text();
    note.note = m_note->toPlainText();
    return note.tidied();
}

bool FrmAnotar::started() const
{
    return m_started->isChecked() && !m_startedBefore;
}
