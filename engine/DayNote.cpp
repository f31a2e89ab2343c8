#include "DayNote.h"

#include <array>

namespace {

QString cut(const QString &text, int chars)
{
    QString kept = text.simplified();
    // Never half of a character outside the basic plane.
    if (kept.size() > chars)
        kept.truncate(chars > 0 && kept.at(chars - 1).isHighSurrogate() ? chars - 1 : chars);
    return kept;
}

} // namespace

bool DayNote::isEmpty() const
{
    return flow == Flow::Nenhum && pain == Pain::Nenhuma && symptoms.isEmpty() && mood.trimmed().isEmpty()
        && note.trimmed().isEmpty();
}

DayNote DayNote::tidied() const
{
    DayNote kept = *this;
    kept.mood = cut(mood, maxMoodChars);
    // Her lines stay hers: only the ends are trimmed.
    kept.note = note.trimmed();
    if (kept.note.size() > maxNoteChars)
        kept.note.truncate(kept.note.at(maxNoteChars - 1).isHighSurrogate() ? maxNoteChars - 1 : maxNoteChars);
    QStringList listed, own;
    for (const QString &symptom : symptoms) {
        const QString one = cut(symptom, maxSymptomChars);
        if (one.isEmpty())
            continue;
        QStringList &into = DayNotes::listedSymptoms().contains(one, Qt::CaseInsensitive) ? listed : own;
        if (!listed.contains(one, Qt::CaseInsensitive) && !own.contains(one, Qt::CaseInsensitive))
            into.append(one);
    }
    kept.symptoms.clear();
    for (const QString &symptom : DayNotes::listedSymptoms()) {
        if (listed.contains(symptom, Qt::CaseInsensitive))
            kept.symptoms.append(symptom);
    }
    kept.symptoms += own.mid(0, maxSymptoms - kept.symptoms.size());
    return kept;
}

namespace DayNotes {

const QStringList &listedSymptoms()
{
    static const QStringList listed{
        QStringLiteral("cólica"),         QStringLiteral("dor de cabeça"), QStringLiteral("inchaço"),
        QStringLiteral("seios sensíveis"), QStringLiteral("acne"),          QStringLiteral("náusea"),
        QStringLiteral("cansaço"),        QStringLiteral("alteração de humor"), QStringLiteral("corrimento"),
    };
    return listed;
}

QString flowWord(DayNote::Flow flow)
{
    static const std::array<const char16_t *, 5> words{u"nenhum", u"escape", u"leve", u"moderado", u"intenso"};
    return QString::fromUtf16(words.at(size_t(flow)));
}

QString painWord(DayNote::Pain pain)
{
    static const std::array<const char16_t *, 4> words{u"nenhuma", u"leve", u"moderada", u"forte"};
    return QString::fromUtf16(words.at(size_t(pain)));
}

QString words(const DayNote &note)
{
    QStringList parts;
    if (note.flow != DayNote::Flow::Nenhum)
        parts.append(QStringLiteral("fluxo ") + flowWord(note.flow));
    if (note.pain != DayNote::Pain::Nenhuma)
        parts.append(QStringLiteral("dor ") + painWord(note.pain));
    parts += note.symptoms;
    if (!note.mood.trimmed().isEmpty())
        parts.append(QStringLiteral("humor: ") + note.mood.trimmed());
    if (!note.note.trimmed().isEmpty())
        parts.append(u'\'' + note.note.simplified() + u'\'');
    return parts.join(QStringLiteral(", "));
}

QStringList ownSymptoms(const QList<DayNote> &notes)
{
    QStringList own;
    for (const DayNote &note : notes) {
        for (const QString &symptom : note.symptoms) {
            if (!listedSymptoms().contains(symptom, Qt::CaseInsensitive) && !own.contains(symptom, Qt::CaseInsensitive))
                own.append(symptom);
        }
    }
    return own;
}

} // namespace DayNotes
