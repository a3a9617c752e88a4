#include "core/chart_writer.h"

#include "core/deal_classes.h"
#include "core/deal_tables.h"

#include <algorithm>
#include <bit>
#include <numeric>
#include <span>
#include <unordered_map>

// Every deal class offers a few classes (the classes of its 32 holds), each worth an exact
// amount. A ranking picks, for each deal, its offered class ranked highest. The ranking is
// improved by moving one class at a time to the place where it wins most: moving class k only
// changes the deals that offer it, and for them the gain of each place follows from the class
// they would take without k.

namespace {

using Wins = __int128;

// A class a deal offers and the scaledWorth of its hold, in one word (the worth above the class)
// so that the ranking's per-deal tables stay small. Worths are below 2^53 (kMostWin times
// kWorthScale); classes are counted in hundreds.
class Offer {
public:
    static constexpr int kIdBits = 11;
    static constexpr quint64 kNone = (quint64(1) << kIdBits) - 1;

    Offer() = default;
    Offer(int id, qint64 worth) : m_bits(quint64(worth) << kIdBits | quint64(id)) {}

    int id() const { return (m_bits & kNone) == kNone ? -1 : int(m_bits & kNone); }
    qint64 worth() const { return qint64(m_bits >> kIdBits); }
    void setWorth(qint64 worth) { m_bits = quint64(worth) << kIdBits | (m_bits & kNone); }

private:
    quint64 m_bits = kNone;   // no class
};

// A deal offering a class, with what it stands for, so that weighing a class's places reads its
// deals in order; twelve bytes (a deal stands for at most 24 deals).
#pragma pack(push, 4)
struct Offering {
    qint64 worth;       // of the class's hold in this deal
    quint32 dealBits;   // the deal, above five bits of its weight

    Offering(qint64 worthOfHold, int deal, int weight) : worth(worthOfHold), dealBits(quint32(deal) << 5 | quint32(weight)) {}
    Offering() = default;
    int deal() const { return int(dealBits >> 5); }
    int weight() const { return int(dealBits & 31); }
};
#pragma pack(pop)
static_assert(sizeof(Offering) == 12);

struct Deals {
    std::vector<HoldClass> classes;   // by id
    std::vector<qint64> weights;
    std::vector<int> firstOffer;      // per deal, into offers; one more at the end
    std::vector<Offer> offers;
    std::vector<Offering> offerings;   // by class id, then deal
    std::vector<int> firstOffering;    // per class id, into offerings; one more at the end
    Wins bestWon = 0;
    int drawFive = -1;

    std::span<const Offering> offering(int id) const
    {
        return {offerings.data() + firstOffering[id], offerings.data() + firstOffering[id + 1]};
    }
};

constexpr int kCodeBase = 14;                                       // ranks as digits 1..13
constexpr int kSmallCodes = kCodeBase * kCodeBase * kCodeBase * kCodeBase;   // sets of up to four cards
constexpr qint16 kUnknown = -2;
constexpr qint16 kNoClass = -1;
constexpr int kSuitings = 1 << (2 * kPositions);   // the suits of five cards, two bits each

// Per set of five positions: its highest one.
constexpr std::array<int, kHolds> kTop = [] {
    std::array<int, kHolds> top{};
    for (unsigned set = 1; set < kHolds; ++set)
        top[set] = std::bit_width(set) - 1;
    return top;
}();

// For every suiting of five cards, the shape of each set of them: 0 of one suit (or none), 1 all
// of different suits, 2 otherwise.
using SetShapes = std::array<quint8, kHolds>;
const std::vector<SetShapes> &setShapes()
{
    static const std::vector<SetShapes> shapes = [] {
        std::vector<SetShapes> all(kSuitings);
        for (int suiting = 0; suiting < kSuitings; ++suiting) {
            for (unsigned set = 0; set < kHolds; ++set) {
                unsigned suits = 0;
                for (int i = 0; i < kPositions; ++i) {
                    if (set & (1U << i))
                        suits |= 1U << ((suiting >> (2 * i)) & 3);
                }
                const int suitCount = std::popcount(suits);
                all[suiting][set] = suitCount <= 1 ? 0 : suitCount == std::popcount(set) ? 1 : 2;
            }
        }
        return all;
    }();
    return shapes;
}

// The class of a hold depends on its cards alone, and of those only on their ranks, whether
// they are of one suit and whether they are all of different suits: the classes of sets of up to
// four cards are worked out once for each such shape and looked up after. Keeping all five cards
// is a class by the hand's category alone.
class HoldClassIds {
public:
    explicit HoldClassIds(const DrawRules &rules, Deals &deals)
        : m_rules(rules), m_deals(deals), m_shapes(setShapes()), m_ofShape(3 * kSmallCodes, kUnknown)
    {
        m_ofCategory.fill(kUnknown);
    }

    // The class id of every hold of a hand whose cards ascend; kNoClass for none.
    std::array<int, kHolds> of(const Hand &hand)
    {
        int suiting = 0;
        for (int i = 0; i < kPositions; ++i)
            suiting |= hand[i].suit << (2 * i);
        const SetShapes &shapes = m_shapes[suiting];
        std::array<int, kHolds> ids;
        std::array<int, kHolds> code;
        code[0] = 0;
        ids[0] = lookUp(hand, 0, 0);
        for (unsigned set = 1; set < kKeepAll; ++set) {
            const int top = kTop[set];
            code[set] = code[set & ~(1U << top)] * kCodeBase + hand[top].rank - 1;
            ids[set] = lookUp(hand, set, 3 * code[set] + shapes[set]);
        }
        qint16 &whole = m_ofCategory[m_rules.category(packCards(hand, kKeepAll))];
        if (whole == kUnknown)
            whole = qint16(idOf(classifyHold(hand, kKeepAll, m_rules)));
        ids[kKeepAll] = whole;
        return ids;
    }

    int idOf(const std::optional<HoldClass> &held)
    {
        if (!held)
            return kNoClass;
        const auto known = m_ids.find(held->key());
        if (known != m_ids.end())
            return known->second;
        m_deals.classes.push_back(*held);
        Q_ASSERT(m_deals.classes.size() < Offer::kNone);
        return m_ids.emplace(held->key(), int(m_deals.classes.size()) - 1).first->second;
    }

private:
    int lookUp(const Hand &hand, unsigned set, int shapeIndex)
    {
        qint16 &id = m_ofShape[shapeIndex];
        if (id == kUnknown)
            id = qint16(idOf(classifyHold(hand, set, m_rules)));
        return id;
    }

    const DrawRules &m_rules;
    Deals &m_deals;
    const std::vector<SetShapes> &m_shapes;
    std::vector<qint16> m_ofShape;   // by 3 * rank code + suit shape
    std::array<qint16, kCategories + 1> m_ofCategory;
    std::unordered_map<quint64, int> m_ids;
};

Deals collect(const DrawRules &rules)
{
    Deals deals;
    deals.weights.reserve(kDealClasses);
    deals.firstOffer.reserve(kDealClasses + 1);
    deals.offers.reserve(8 * kDealClasses);   // about 6.6 a deal in common tables
    HoldClassIds classIds(rules, deals);
    std::vector<int> offerOfClass;   // per class id, its offer in the deal at hand; -1 for none
    const DealTables tables(rules);
    forEachDealClass([&](const Hand &hand, int weight) {
        const std::array<qint64, kHolds> worths = tables.scaledWorths(hand);
        const std::array<int, kHolds> ids = classIds.of(hand);
        const size_t first = deals.offers.size();
        deals.weights.push_back(weight);
        deals.firstOffer.push_back(int(first));
        qint64 best = worths[0];
        for (qint64 worth : worths)
            best = std::max(best, worth);
        deals.bestWon += Wins(weight) * best;
        offerOfClass.resize(deals.classes.size(), -1);
        for (unsigned set = 0; set < kHolds; ++set) {
            const int id = ids[set];
            if (id == kNoClass)
                continue;
            // Of two holds of one class the later, higher one is the one kept.
            if (offerOfClass[id] >= 0) {
                deals.offers[offerOfClass[id]].setWorth(worths[set]);
            } else {
                offerOfClass[id] = int(deals.offers.size());
                deals.offers.push_back(Offer{id, worths[set]});
            }
        }
        for (size_t i = first; i < deals.offers.size(); ++i)
            offerOfClass[deals.offers[i].id()] = -1;
    });
    deals.firstOffer.push_back(int(deals.offers.size()));
    deals.drawFive = classIds.idOf(HoldClass{});

    // The same offers by class.
    const int classes = int(deals.classes.size());
    deals.firstOffering.assign(classes + 1, 0);
    for (const Offer &offer : deals.offers)
        ++deals.firstOffering[offer.id() + 1];
    std::partial_sum(deals.firstOffering.begin(), deals.firstOffering.end(), deals.firstOffering.begin());
    std::vector<int> next(deals.firstOffering.begin(), deals.firstOffering.end() - 1);
    deals.offerings.resize(deals.offers.size());
    for (int deal = 0; deal < int(deals.weights.size()); ++deal) {
        for (int i = deals.firstOffer[deal]; i < deals.firstOffer[deal + 1]; ++i) {
            const Offer &offer = deals.offers[i];
            deals.offerings[next[offer.id()]++] = Offering{offer.worth(), deal, int(deals.weights[deal])};
        }
    }
    return deals;
}

class Ranking {
public:
    explicit Ranking(const Deals &deals) : m_deals(deals), m_place(deals.classes.size(), -1)
    {
        // Start from the classes' average worth where offered, drawing five last.
        std::vector<Wins> sum(deals.classes.size());
        std::vector<Wins> weight(deals.classes.size());
        for (size_t deal = 0; deal < deals.weights.size(); ++deal) {
            for (int i = deals.firstOffer[deal]; i < deals.firstOffer[deal + 1]; ++i) {
                sum[deals.offers[i].id()] += Wins(deals.weights[deal]) * deals.offers[i].worth();
                weight[deals.offers[i].id()] += deals.weights[deal];
            }
        }
        for (int id = 0; id < int(deals.classes.size()); ++id) {
            if (id != deals.drawFive)
                m_order.push_back(id);
        }
        std::sort(m_order.begin(), m_order.end(), [&](int a, int b) {
            return double(sum[a]) / double(weight[a]) > double(sum[b]) / double(weight[b]);
        });
        m_order.push_back(deals.drawFive);
        renumber();
        m_ranked.resize(deals.weights.size());
        for (int deal = 0; deal < int(deals.weights.size()); ++deal)
            rankOffers(deal);
    }

    const std::vector<int> &order() const { return m_order; }

    Wins won() const
    {
        Wins total = 0;
        for (size_t deal = 0; deal < m_deals.weights.size(); ++deal)
            total += Wins(m_deals.weights[deal]) * taken(int(deal), -1).worth();
        return total;
    }

    // Moves classes to better places until none gains. Drawing five moves too: the classes
    // below it are never taken.
    void improve()
    {
        for (int pass = 0; pass < 100; ++pass) {
            bool moved = false;
            for (int id : std::vector<int>(m_order))
                moved |= moveToBest(id);
            if (!moved)
                return;
        }
    }

    // Drops the class whose loss is smallest for each line it saves, until the chart fits.
    void shorten(int maxLines)
    {
        while (lineCount(-1) > maxLines) {
            const std::vector<Wins> losses = removalLosses();
            int cheapest = -1;
            double cheapestLoss = 0;
            for (int id : m_order) {
                if (id == m_deals.drawFive)
                    continue;
                const int saved = lineCount(-1) - lineCount(id);
                if (saved <= 0)
                    continue;
                const double loss = double(losses[id]) / saved;
                if (cheapest < 0 || loss < cheapestLoss) {
                    cheapest = id;
                    cheapestLoss = loss;
                }
            }
            remove({cheapest});
            improve();
            dropUnused();
        }
    }

    // Drops the classes that no deal takes.
    void dropUnused()
    {
        std::vector<bool> used(m_deals.classes.size());
        for (size_t deal = 0; deal < m_deals.weights.size(); ++deal)
            used[taken(int(deal), -1).id()] = true;
        std::vector<int> unused;
        std::copy_if(m_order.begin(), m_order.end(), std::back_inserter(unused), [&](int id) { return !used[id]; });
        if (!unused.empty())
            remove(unused);
    }

    std::vector<std::vector<HoldClass>> lines() const
    {
        std::vector<std::vector<HoldClass>> lines;
        for (int id : m_order) {
            const HoldClass &held = m_deals.classes[id];
            if (lines.empty() || !shareLine(lines.back().front(), held))
                lines.emplace_back();
            lines.back().push_back(held);
        }
        return lines;
    }

private:
    void renumber()
    {
        std::fill(m_place.begin(), m_place.end(), -1);
        for (int place = 0; place < int(m_order.size()); ++place)
            m_place[m_order[place]] = place;
    }

    // Finds the two offers of a deal ranked highest. A deal offers each class once, so passing
    // over one class never needs more than these two.
    void rankOffers(int deal)
    {
        Ranked ranked;
        for (int i = m_deals.firstOffer[deal]; i < m_deals.firstOffer[deal + 1]; ++i) {
            const Offer &offer = m_deals.offers[i];
            const int place = m_place[offer.id()];
            if (place < 0)
                continue;
            if (ranked.first.id() < 0 || place < m_place[ranked.first.id()]) {
                ranked.second = ranked.first;
                ranked.first = offer;
            } else if (ranked.second.id() < 0 || place < m_place[ranked.second.id()]) {
                ranked.second = offer;
            }
        }
        m_ranked[deal] = ranked;
    }

    // After class `id` moved: only the deals offering it may rank their offers anew.
    void reordered(int id)
    {
        renumber();
        for (const Offering &offering : m_deals.offering(id))
            rankOffers(offering.deal());
    }

    // The offer a deal takes, passing over class `skip`; of id -1 when it offers no other.
    Offer taken(int deal, int skip) const
    {
        const Ranked &ranked = m_ranked[deal];
        return ranked.first.id() == skip ? ranked.second : ranked.first;
    }

    bool moveToBest(int id)
    {
        const int from = m_place[id];
        // gainAt[p]: what the deals whose other choice sits at place p (places without `id`)
        // gain by taking `id` instead.
        std::vector<Wins> &gainAt = m_gainAt;
        gainAt.assign(m_order.size(), 0);
        for (const Offering &offering : m_deals.offering(id)) {
            const Offer other = taken(offering.deal(), id);
            if (other.id() < 0)
                continue;   // takes `id` wherever it stands
            const int place = m_place[other.id()] - (m_place[other.id()] > from);
            gainAt[place] += offering.weight() * (offering.worth - other.worth());   // within 64 bits
        }
        // Placing `id` at q, before what is now at q (or last).
        Wins gain = 0;
        Wins fromGain = 0;
        Wins bestGain = 0;
        int best = -1;
        for (int q = int(m_order.size()) - 1; q >= 0; --q) {
            gain += gainAt[q];
            if (q == from)
                fromGain = gain;
            if (best < 0 || gain > bestGain) {
                bestGain = gain;
                best = q;
            }
        }
        if (bestGain <= fromGain)
            return false;
        m_order.erase(m_order.begin() + from);
        m_order.insert(m_order.begin() + best, id);
        reordered(id);
        return true;
    }

    // Per class, what taking it out would lose: the deals that take it fall to their next offer.
    std::vector<Wins> removalLosses() const
    {
        std::vector<Wins> losses(m_deals.classes.size());
        for (size_t deal = 0; deal < m_ranked.size(); ++deal) {
            const Ranked &ranked = m_ranked[deal];
            if (ranked.second.id() >= 0)
                losses[ranked.first.id()] += m_deals.weights[deal] * (ranked.first.worth() - ranked.second.worth());
        }
        return losses;
    }

    // Takes classes out of the ranking: only the deals that ranked one of them among their two
    // highest rank their offers anew.
    void remove(const std::vector<int> &ids)
    {
        std::vector<bool> removed(m_deals.classes.size());
        for (int id : ids)
            removed[id] = true;
        std::erase_if(m_order, [&](int id) { return removed[id]; });
        renumber();
        for (int deal = 0; deal < int(m_ranked.size()); ++deal) {
            const Ranked &ranked = m_ranked[deal];
            if ((ranked.first.id() >= 0 && removed[ranked.first.id()]) || (ranked.second.id() >= 0 && removed[ranked.second.id()]))
                rankOffers(deal);
        }
    }

    int lineCount(int without) const
    {
        int lines = 0;
        const HoldClass *previous = nullptr;
        for (int id : m_order) {
            if (id == without)
                continue;
            const HoldClass &held = m_deals.classes[id];
            lines += !previous || !shareLine(*previous, held);
            previous = &held;
        }
        return lines;
    }

    const Deals &m_deals;
    std::vector<int> m_order;   // class ids, best first
    std::vector<int> m_place;   // per class id, its place in m_order; -1 when dropped
    // Per deal, its two offers ranked highest; of id -1 where there are fewer.
    struct Ranked {
        Offer first;
        Offer second;
    };
    std::vector<Ranked> m_ranked;
    std::vector<Wins> m_gainAt;   // moveToBest's, kept to spare an allocation per class
};

} // namespace


WrittenChart writeChart(const DrawRules &rules, int maxLines)
{
    const Deals deals = collect(rules);
    Ranking ranking(deals);
    ranking.improve();
    ranking.dropUnused();
    ranking.shorten(maxLines);
    ranking.dropUnused();
    const Wins stakes = Wins(kFinalHands) * rules.stake;
    return WrittenChart{StrategyChart(rules, ranking.lines()), Fraction::reduced(ranking.won(), stakes),
                        Fraction::reduced(deals.bestWon, stakes)};
}
