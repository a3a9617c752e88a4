#include "ui/stats_tab.h"

#include "records/statistics.h"
#include "ui/captioned_frame.h"
#include "ui/controls.h"
#include "ui/palette.h"
#include "ui/panel.h"
#include "ui/spoken_texts.h"

#include <QLabel>

StatsTab::StatsTab(const Statistics &statistics, QWidget *parent)
    : QWidget(parent), m_statistics(statistics)
{
    auto *history = named(new CaptionedFrame(QStringLiteral("History"), this), QStringLiteral("SSFrame1"));
    placeTwips(history, 120, 480, 4575, 3975);
    history->setFont(arial(9.75, false));

    auto *currentHeading = named(new QLabel(QStringLiteral("Current game"), history), QStringLiteral("Label9"));
    placeTwips(currentHeading, 2040, 240, 1215, 255);
    currentHeading->setFont(arial(9, false));
    currentHeading->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    auto *totalHeading = named(new QLabel(QStringLiteral("Total"), history), QStringLiteral("Label10"));
    placeTwips(totalHeading, 3720, 240, 495, 255);
    totalHeading->setFont(arial(9));
    totalHeading->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QPalette red = totalHeading->palette();
    red.setColor(QPalette::WindowText, kRed);
    totalHeading->setPalette(red);

    // Row c is the category of index c; the row headings keep their historic panel numbers.
    for (int c = 0; c < kCategories; ++c) {
        const int top = 480 + 360 * c;
        auto *heading = named(new Panel(categoryHeading(categoryAt(c)), history),
                              member("SSPanel2", c == 0 ? 18 : 7 + c));
        placeTwips(heading, 120, top, 1785, 360);
        m_current[c] = named(new Panel(QStringLiteral("0"), history), member("SSPanel4", c));
        placeTwips(m_current[c], 2160, top, 975, 360);
        m_total[c] = named(new Panel(QStringLiteral("0"), history), member("SSPanel6", c));
        placeTwips(m_total[c], 3480, top, 975, 360);
        for (QLabel *panel : {static_cast<QLabel *>(heading), m_current[c], m_total[c]})
            panel->setFont(arial(9.75));
        readable(m_current[c]);
        readable(m_total[c]);
    }

    auto *averageHeading = named(new Panel(QStringLiteral("Average win/turn"), this), member("SSPanel2", 16));
    placeTwips(averageHeading, 120, 5040, 1785, 330);
    m_average = named(new Panel(QStringLiteral("0"), this), QStringLiteral("SSPanel12"));
    placeTwips(m_average, 2160, 5040, 1095, 330);
    for (QLabel *panel : {static_cast<QLabel *>(averageHeading), m_average})
        panel->setFont(arial(9.75));
    readable(m_average);
    nameValues();

    connect(&m_statistics, &Statistics::changed, this, &StatsTab::showStatistics);
}

void StatsTab::nameValues()
{
    for (int c = 0; c < kCategories; ++c) {
        const QString category = categoryHeading(categoryAt(c));
        m_current[c]->setAccessibleName(spoken::currentGameCount(category, m_current[c]->text()));
        m_total[c]->setAccessibleName(spoken::totalCount(category, m_total[c]->text()));
    }
    m_average->setAccessibleName(spoken::averageWin(m_average->text()));
}

void StatsTab::showStatistics()
{
    for (int c = 0; c < kCategories; ++c) {
        m_current[c]->setText(QString::number(m_statistics.current(c)));
        m_total[c]->setText(QString::number(m_statistics.total(c)));
    }
    m_average->setText(m_statistics.averageText());
    nameValues();
}
