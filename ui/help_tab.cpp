#include "ui/help_tab.h"

#include "core/example_hands.h"
#include "ui/bus_events.h"
#include "ui/controls.h"
#include "ui/help_texts.h"
#include "ui/picture_box.h"
#include "ui/spoken_texts.h"

#include <QPushButton>

namespace {

struct ExampleButton {
    int number;   // CommandN
    int left;
    int top;
    Category category;   // dealt as an example, and the caption
};
constexpr std::array<ExampleButton, 9> kExampleButtons{{
    {1, 600, 1560, Category::OnePair},
    {2, 600, 2040, Category::TwoPair},
    {3, 600, 2520, Category::ThreeOfAKind},
    {5, 2400, 1560, Category::Straight},
    {4, 2400, 2040, Category::Flush},
    {7, 2400, 2520, Category::FullHouse},
    {8, 4200, 1560, Category::FourOfAKind},
    {6, 4200, 2040, Category::StraightFlush},
    {9, 4200, 2520, Category::RoyalFlush},
}};

// A topic button copies its picture from a store image that is never shown.
struct TopicButton {
    int number;   // CommandN
    const char *caption;
    int top;
    const char *store;
    Picture::Kind picture;
};
constexpr std::array<TopicButton, 4> kTopicButtons{{
    {11, "How to play", 3120, "Image9", Picture::Kind::HowToPlayText},
    {12, "Stats", 3720, "Image5", Picture::Kind::StatsText},
    {10, "Keyboard", 4320, "Image3", Picture::Kind::KeyboardText},
    {13, "The author", 4920, "Image10", Picture::Kind::AuthorText},
}};

constexpr int kPlaceTop = 600;
constexpr int kFirstPlaceLeft = 1080;
constexpr int kPlaceStep = 720;

QPushButton *commandButton(QWidget *parent, int number, const QString &caption, int left, int top)
{
    auto *button = named(new QPushButton(caption, parent),
                         QStringLiteral("Command%1").arg(number));
    placeTwips(button, left, top, 1695, 375);
    return button;
}

} // namespace

HelpTab::HelpTab(RandomSource &random, QWidget *parent) : QWidget(parent), m_random(random)
{
    setFont(arial(9.75));

    // Created left to right, so each place lies above its left neighbour and covers its right
    // part while the rank corner stays visible.
    for (int p = 0; p < kPositions; ++p) {
        m_places[p] = named(new PictureBox(this), member("Image2", p + 5));
        m_places[p]->move(px(kFirstPlaceLeft + kPlaceStep * p), px(kPlaceTop));
        m_places[p]->setStateDescription(spoken::exampleCard(p + 1));
    }
    ClearExampleHand();

    for (const ExampleButton &b : kExampleButtons) {
        auto *button = commandButton(this, b.number, categoryCaption(b.category), b.left, b.top);
        connect(button, &QPushButton::clicked, this, [this, category = b.category, button] {
            showExample(category, button);
        });
    }

    m_topic = named(new PictureBox(this), QStringLiteral("Image4"));
    m_topic->move(px(1920), px(3120));
    m_topic->setPicture(Picture::of(Picture::Kind::HelpStart));

    for (const TopicButton &t : kTopicButtons) {
        auto *store = named(new PictureBox(this), QString::fromLatin1(t.store));
        store->setPicture(Picture::of(t.picture));
        store->move(px(7560), px(t.top));   // beyond the client area, never seen
        store->hide();
        auto *button = commandButton(this, t.number, QString::fromLatin1(t.caption), 120, t.top);
        const QString text = spoken::pictureText(helpTopicLines(t.picture));
        button->setAccessibleDescription(text);
        connect(button, &QPushButton::clicked, this, [this, store, text] {
            m_topic->setPicture(store->picture());
            m_topic->setAccessibleDescription(text);
        });
    }
}

void HelpTab::ClearExampleHand()
{
    for (PictureBox *place : m_places)
        place->setPicture(Picture::of(Picture::Kind::CardBack));
}

void HelpTab::showExample(Category category, QPushButton *button)
{
    ClearExampleHand();
    const ExamplePlaces cards = DealExample(category, m_random);
    QStringList faces;
    for (int p = 0; p < kPositions; ++p) {
        if (cards[p]) {
            m_places[p]->setPicture(Picture::card(*cards[p]));
            faces << m_places[p]->accessibleName();
        }
    }
    // Told as news only: a click gives the button the focus just before the example is dealt,
    // and a screen reader reading a new description with the focus would tell it twice. The
    // example places keep it for review.
    if (button->hasFocus())
        sendDescriptionChanged(button, spoken::example(faces, kPositions - int(faces.size())));
}
