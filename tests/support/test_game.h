#pragma once

#include "app/game.h"
#include "records/name_prompt.h"
#include "records/save_failure_prompt.h"
#include "support/card_notation.h"
#include "support/fake_clock.h"
#include "support/scripted_random.h"
#include "ui/controls.h"
#include "ui/main_window.h"

#include <QLabel>
#include <QPushButton>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <functional>

// Answers the hi-score prompt from a script; records what it was offered.
class FakeNamePrompt : public NamePrompt {
public:
    QString askName(const QString &offered) override
    {
        offers.append(offered);
        return answers.isEmpty() ? offered : answers.takeFirst();
    }
    QStringList offers;
    QStringList answers;
};

// Answers a failed save from a script; records the files named.
class FakeSaveFailurePrompt : public SaveFailurePrompt {
public:
    Choice askAfterFailure(const QString &fileName, const QString &reason, const QStringList &unsaved) override
    {
        failures.append(fileName + QStringLiteral(": ") + reason);
        unsavedFiles.append(unsaved);
        if (beforeAnswer)
            beforeAnswer();
        return choices.isEmpty() ? Choice::LeaveWithoutSaving : choices.takeFirst();
    }
    Choice askWhileAnotherSaves(const QString &folder, const QStringList &unsaved) override
    {
        waits.append(folder);
        unsavedFiles.append(unsaved);
        if (beforeAnswer)
            beforeAnswer();
        return choices.isEmpty() ? Choice::LeaveWithoutSaving : choices.takeFirst();
    }
    QStringList failures;
    QStringList waits;   // the folders another program was saving into
    QList<QStringList> unsavedFiles;
    QList<Choice> choices;
    std::function<void()> beforeAnswer;  // what changes on disk while the dialog shows
};

// The whole program on a fake clock and a scripted random source, in a temporary folder, with
// the main window shown and a new game started (unless asked to stay before start-up).
struct TestGame {
    enum Start { Playing, BeforeStartUp };

    explicit TestGame(Start start = Playing)
        : game({clock, random, namePrompt, saveFailurePrompt, QDir(folder.path())})
    {
        if (start == Playing) {
            game.NewGame();
            window().show();
            bet()->setFocus();
        }
    }

    QWidget &window() const { return game.mainWindow(); }
    template <typename T = QWidget>
    T *find(const QString &name) const
    {
        T *control = game.mainWindow().findChild<T *>(name);
        if (!control)
            qFatal("no control named %s", qPrintable(name));
        return control;
    }
    QString text(const QString &labelName) const { return find<QLabel>(labelName)->text(); }
    QPushButton *bet() const { return find<QPushButton>(QStringLiteral("SSCommand1")); }
    QPushButton *deal() const { return find<QPushButton>(QStringLiteral("SSCommand2")); }

    // Bets with the next five cards dealt as given ("JH JS 2C 7D 9S").
    void betWith(const char *cards)
    {
        random.scriptHand(hand(cards));
        QTest::mouseClick(bet(), Qt::LeftButton);
    }
    // Marks the given positions (faces clicked), then draws the given replacement cards.
    void drawWith(std::initializer_list<int> positions, const char *replacements = "")
    {
        for (int position : positions)
            clickFace(position);
        for (const QString &text : QString::fromLatin1(replacements).split(u' ', Qt::SkipEmptyParts))
            random.scriptCard(card(text));
        QTest::mouseClick(deal(), Qt::LeftButton);
    }
    void clickFace(int position) const;
    void clickCover(int position) const;
    Hand cards() { return game.table().cards(); }

    QTemporaryDir folder;
    FakeClock clock;
    ScriptedRandom random;
    FakeNamePrompt namePrompt;
    FakeSaveFailurePrompt saveFailurePrompt;
    Game game;
};
