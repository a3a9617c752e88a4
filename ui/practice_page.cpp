#include "ui/practice_page.h"

#include "ui/coach_texts.h"
#include "ui/picture_box.h"
#include "ui/readable_line.h"

#include <QComboBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

PracticePage::PracticePage(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("CoachPractice"));
    auto *layout = new QVBoxLayout(this);
    auto *keys = readableLine(this, "PracticeKeys", Qt::StrongFocus);
    keys->setText(QStringLiteral("Practice hands count nowhere. Mark the cards to keep with 1 to 5 or a click, "
                                 "then press Return."));
    keys->setAccessibleName(keys->text());
    layout->addWidget(keys);
    auto *linesLabel = new QLabel(QStringLiteral("Practise &on:"), this);
    m_lines = new QComboBox(this);
    m_lines->setObjectName(QStringLiteral("PracticeLine"));
    m_lines->setAccessibleName(QStringLiteral("What to practise"));
    // The chart's lines are long: they widen the list that drops down, not the page.
    m_lines->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_lines->setMinimumContentsLength(24);
    linesLabel->setBuddy(m_lines);
    auto *choice = new QHBoxLayout;
    choice->addWidget(linesLabel);
    choice->addWidget(m_lines, 1);
    layout->addLayout(choice);
    connect(m_lines, &QComboBox::activated, this, &PracticePage::lineChosen);

    m_heading = readableLine(this, "PracticeHeading", Qt::StrongFocus);
    layout->addWidget(m_heading);
    auto *cards = new QGridLayout;
    for (int i = 0; i < kPositions; ++i) {
        m_cards[i] = new PictureBox(this);
        m_cards[i]->setFixedSize(Picture::card(Card{}).size());
        m_cards[i]->setObjectName(QStringLiteral("PracticeCard%1").arg(i + 1));
        connect(m_cards[i], &PictureBox::clicked, this, [this, i] { toggle(i + 1); });
        m_marks[i] = new QLabel(this);
        m_marks[i]->setObjectName(QStringLiteral("PracticeKept%1").arg(i + 1));
        m_marks[i]->setAlignment(Qt::AlignHCenter);
        cards->addWidget(m_cards[i], 0, i, Qt::AlignHCenter);
        cards->addWidget(m_marks[i], 1, i);
    }
    layout->addLayout(cards);

    auto *buttons = new QHBoxLayout;
    m_confirm = new QPushButton(QStringLiteral("&Confirm hold"), this);
    m_confirm->setObjectName(QStringLiteral("PracticeConfirm"));
    m_next = new QPushButton(QStringLiteral("&Next hand"), this);
    m_next->setObjectName(QStringLiteral("PracticeNext"));
    buttons->addWidget(m_confirm);
    buttons->addWidget(m_next);
    buttons->addStretch();
    layout->addLayout(buttons);
    connect(m_confirm, &QPushButton::clicked, this, &PracticePage::confirm);
    connect(m_next, &QPushButton::clicked, this, &PracticePage::nextHandWanted);

    m_answer = new QPlainTextEdit(this);
    m_answer->setObjectName(QStringLiteral("PracticeAnswer"));
    m_answer->setAccessibleName(QStringLiteral("The answer"));
    m_answer->setReadOnly(true);
    m_answer->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    layout->addWidget(m_answer, 1);
    m_score = readableLine(this, "PracticeScore", Qt::StrongFocus);
    layout->addWidget(m_score);
    showScore(QStringLiteral("Practice hands: 0"));
}

void PracticePage::showLines(const QStringList &lines)
{
    const int chosen = std::max(0, m_lines->currentIndex());
    m_lines->clear();
    m_lines->addItems(lines);
    m_lines->setCurrentIndex(std::min(chosen, int(lines.size()) - 1));
}

void PracticePage::showHand(const Hand &dealt, const QString &heading)
{
    m_dealt = dealt;
    m_hold = 0;
    m_answered = false;
    m_dealtOnce = true;
    m_heading->setText(heading);
    m_heading->setAccessibleName(spokenText(heading));
    for (int i = 0; i < kPositions; ++i) {
        m_cards[i]->setPicture(Picture::card(dealt[i]));
        m_cards[i]->setAccessibleName(cardName(dealt[i]));
    }
    showMarks();
    m_answer->setPlainText(QString());
    m_confirm->setEnabled(true);
    m_confirm->setDefault(true);
    // The keys 1 to 5 and Return reach the page from its buttons, not from the tab row.
    m_confirm->setFocus();
}

void PracticePage::showAnswer(unsigned best, const QString &answer)
{
    m_answered = true;
    for (int i = 0; i < kPositions; ++i)
        m_cards[i]->setPicture(best & (1U << i) ? Picture::bestCard(m_dealt[i]) : Picture::card(m_dealt[i]));
    m_answer->setPlainText(answer);
    m_confirm->setEnabled(false);
    m_next->setDefault(true);
    m_next->setFocus();
}

void PracticePage::showScore(const QString &score)
{
    m_score->setText(score);
    m_score->setAccessibleName(spokenText(score));
}

void PracticePage::keyPressEvent(QKeyEvent *event)
{
    const int position = event->key() - Qt::Key_0;
    if (position >= 1 && position <= kPositions && !event->isAutoRepeat()) {
        toggle(position);
        return;
    }
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (m_answered)
            emit nextHandWanted();
        else
            confirm();
        return;
    }
    QWidget::keyPressEvent(event);
}

void PracticePage::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!m_dealtOnce)
        emit nextHandWanted();
}

void PracticePage::toggle(int position)
{
    if (m_answered)
        return;
    m_hold ^= 1U << (position - 1);
    showMarks();
}

void PracticePage::showMarks()
{
    for (int i = 0; i < kPositions; ++i) {
        const bool kept = m_hold & (1U << i);
        m_marks[i]->setText(kept ? QStringLiteral("kept") : QString());
        const QString state = kept ? QStringLiteral("kept") : QStringLiteral("exchanged");
        m_cards[i]->setStateDescription(state);
        m_marks[i]->setAccessibleName(cardName(m_dealt[i]) + QStringLiteral(", ") + state);
    }
}

void PracticePage::confirm()
{
    if (!m_answered)
        emit holdConfirmed(m_hold);
}
