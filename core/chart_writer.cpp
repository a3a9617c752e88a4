#include "core/chart_writer.h"

#include "core/deal_classes.h"
#include "core/deal_tables.h"

#include <algorithm>
#include <unordered_map>

// Every deal class offers a few classes (the classes of its 32 holds), each worth an exact
// amount. A ranking picks, for each deal, its offered class ranked highest. The ranking is
// improved by moving one class at a time to the place where it wins most: moving class k only
// changes the deals that offer it, and for them the gain of each place follows from the class
// they would take without k.

namespace {

using Wins = __int128;

struct Offer {
    int id;         // the class
    qint64 worth;   // scaledWorth of its hold
};

struct Deals {
    std::vector<HoldClass> classes;   // by id
    std::vector<qint64> weights;
    std::vector<int> firstOffer;      // per deal, into offers; one more at the end
    std::vector<Offer> offers;
    std::vector<std::vector<int>> offering;   // per class id, the deals offering it
    Wins bestWon = 0;
    int drawFive = -1;
};

Deals collect(const DrawRules &rules)
{
    Deals deals;
    std::unordered_map<quint64, int> ids;
    const DealTables tables(rules);
    forEachDealClass([&](const Hand &hand, int weight) {
        const std::array<qint64, kHolds> worths = tables.scaledWorths(hand);
        const int deal = int(deals.weights.size());
        const size_t first = deals.offers.size();
        deals.weights.push_back(weight);
        deals.firstOffer.push_back(int(first));
        deals.bestWon += Wins(weight) * *std::max_element(worths.begin(), worths.end());
        for (unsigned set = 0; set < kHolds; ++set) {
            const std::optional<HoldClass> held = classifyHold(hand, set, rules);
            if (!held)
                continue;
            const auto [found, added] = ids.emplace(held->key(), int(deals.classes.size()));
            if (added) {
                deals.classes.push_back(*held);
                deals.offering.emplace_back();
            }
            const int id = found->second;
            // Of two holds of one class the later, higher one is the one kept.
            auto same = std::find_if(deals.offers.begin() + first, deals.offers.end(),
                                     [&](const Offer &offer) { return offer.id == id; });
            if (same != deals.offers.end()) {
                same->worth = worths[set];
            } else {
                deals.offers.push_back(Offer{id, worths[set]});
                deals.offering[id].push_back(deal);
            }
        }
    });
    deals.firstOffer.push_back(int(deals.offers.size()));
    deals.drawFive = ids.at(HoldClass{}.key());
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
                sum[deals.offers[i].id] += Wins(deals.weights[deal]) * deals.offers[i].worth;
                weight[deals.offers[i].id] += deals.weights[deal];
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
    }

    const std::vector<int> &order() const { return m_order; }

    Wins won() const
    {
        Wins total = 0;
        for (size_t deal = 0; deal < m_deals.weights.size(); ++deal)
            total += Wins(m_deals.weights[deal]) * taken(int(deal), -1)->worth;
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
            int cheapest = -1;
            double cheapestLoss = 0;
            for (int id : m_order) {
                if (id == m_deals.drawFive)
                    continue;
                const int saved = lineCount(-1) - lineCount(id);
                if (saved <= 0)
                    continue;
                const double loss = double(removalLoss(id)) / saved;
                if (cheapest < 0 || loss < cheapestLoss) {
                    cheapest = id;
                    cheapestLoss = loss;
                }
            }
            remove(cheapest);
            improve();
            dropUnused();
        }
    }

    // Drops the classes that no deal takes.
    void dropUnused()
    {
        std::vector<bool> used(m_deals.classes.size());
        for (size_t deal = 0; deal < m_deals.weights.size(); ++deal)
            used[taken(int(deal), -1)->id] = true;
        for (int id : std::vector<int>(m_order)) {
            if (!used[id])
                remove(id);
        }
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

    // The offer a deal takes, passing over class `skip`; null when it offers no other.
    const Offer *taken(int deal, int skip) const
    {
        const Offer *best = nullptr;
        for (int i = m_deals.firstOffer[deal]; i < m_deals.firstOffer[deal + 1]; ++i) {
            const Offer &offer = m_deals.offers[i];
            if (offer.id == skip || m_place[offer.id] < 0)
                continue;
            if (!best || m_place[offer.id] < m_place[best->id])
                best = &offer;
        }
        return best;
    }

    const Offer &offerOf(int deal, int id) const
    {
        for (int i = m_deals.firstOffer[deal];; ++i) {
            if (m_deals.offers[i].id == id)
                return m_deals.offers[i];
        }
    }

    bool moveToBest(int id)
    {
        const int from = m_place[id];
        // gainAt[p]: what the deals whose other choice sits at place p (places without `id`)
        // gain by taking `id` instead.
        std::vector<Wins> gainAt(m_order.size());
        for (int deal : m_deals.offering[id]) {
            const Offer *other = taken(deal, id);
            if (!other)
                continue;   // takes `id` wherever it stands
            const int place = m_place[other->id] - (m_place[other->id] > from);
            gainAt[place] += Wins(m_deals.weights[deal]) * (offerOf(deal, id).worth - other->worth);
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
        renumber();
        return true;
    }

    Wins removalLoss(int id) const
    {
        Wins loss = 0;
        for (int deal : m_deals.offering[id]) {
            const Offer *now = taken(deal, -1);
            if (now->id == id)
                loss += Wins(m_deals.weights[deal]) * (now->worth - taken(deal, id)->worth);
        }
        return loss;
    }

    void remove(int id)
    {
        m_order.erase(m_order.begin() + m_place[id]);
        renumber();
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
