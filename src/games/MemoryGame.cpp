#include "MemoryGame.h"

#include "cards/CardFile.h"
#include "games/Messages.h"
#include "cards/SharedState.h"
#include "platform/Platform.h"
#include "platform/Random.h"

#include <QHash>

#include <vector>

namespace zek {
namespace {

// The largest set of edges without a shared end in a small graph (Edmonds'
// blossoms): augmenting paths from each free vertex, odd cycles shrunk to
// their base while searching.
class Matching {
public:
    Matching(const std::vector<std::vector<int>> &graph, std::vector<int> match)
        : m_graph(graph), m_n(int(graph.size())), mate(std::move(match))
    {}

    // Grows the matching until it has `wanted` edges or cannot grow.
    void grow(int size, int wanted)
    {
        for (int root = 0; root < m_n && size < wanted; ++root)
            if (mate[root] < 0 && augmentFrom(root))
                ++size;
    }

    int partner(int v) const { return mate[v]; } // -1 when free

private:
    int commonBase(int a, int b) const
    {
        std::vector<char> seen(m_n);
        for (;;) {
            a = m_base[a];
            seen[a] = 1;
            if (mate[a] < 0)
                break;
            a = m_parent[mate[a]];
        }
        for (;;) {
            b = m_base[b];
            if (seen[b])
                return b;
            b = m_parent[mate[b]];
        }
    }

    void markPath(int v, int base, int child)
    {
        while (m_base[v] != base) {
            m_inBlossom[m_base[v]] = m_inBlossom[m_base[mate[v]]] = 1;
            m_parent[v] = child;
            child = mate[v];
            v = m_parent[mate[v]];
        }
    }

    bool augmentFrom(int root)
    {
        m_used.assign(m_n, 0);
        m_parent.assign(m_n, -1);
        m_base.resize(m_n);
        for (int i = 0; i < m_n; ++i)
            m_base[i] = i;
        m_used[root] = 1;
        std::vector<int> queue{root};
        int end = -1;
        for (size_t head = 0; head < queue.size() && end < 0; ++head) {
            const int v = queue[head];
            for (int to : m_graph[v]) {
                if (m_base[v] == m_base[to] || mate[v] == to)
                    continue;
                if (to == root || (mate[to] >= 0 && m_parent[mate[to]] >= 0)) { // an odd cycle
                    const int base = commonBase(v, to);
                    m_inBlossom.assign(m_n, 0);
                    markPath(v, base, to);
                    markPath(to, base, v);
                    for (int i = 0; i < m_n; ++i)
                        if (m_inBlossom[m_base[i]]) {
                            m_base[i] = base;
                            if (!m_used[i]) {
                                m_used[i] = 1;
                                queue.push_back(i);
                            }
                        }
                } else if (m_parent[to] < 0) {
                    m_parent[to] = v;
                    if (mate[to] < 0) {
                        end = to;
                        break;
                    }
                    m_used[mate[to]] = 1;
                    queue.push_back(mate[to]);
                }
            }
        }
        for (int v = end; v >= 0;) { // flip the path
            const int pv = m_parent[v], next = mate[pv];
            mate[v] = pv;
            mate[pv] = v;
            v = next;
        }
        return end >= 0;
    }

    const std::vector<std::vector<int>> &m_graph;
    const int m_n;
    std::vector<int> mate;
    std::vector<int> m_parent, m_base;
    std::vector<char> m_used, m_inBlossom;
};

// The usable cards as pairs of word numbers: equal words, equal numbers.
struct WordPairs {
    std::vector<std::pair<int, int>> ends; // per card
    size_t words = 0;
};

WordPairs numberWords(const QList<const CardEntry *> &cards)
{
    QHash<QString, int> ids;
    ids.reserve(2 * cards.size());
    const auto id = [&ids](const QString &word) {
        const auto it = ids.constFind(word);
        if (it != ids.constEnd())
            return *it;
        const int next = int(ids.size());
        ids.insert(word, next);
        return next;
    };
    WordPairs pairs;
    pairs.ends.reserve(size_t(cards.size()));
    for (const CardEntry *card : cards)
        pairs.ends.emplace_back(id(card->baseWord), id(card->relatedWord));
    pairs.words = size_t(ids.size());
    return pairs;
}

// The words are the vertices of a graph and each card an edge between its
// two words: a deal is a set of edges without a shared word, a matching. A
// first pass takes every card that still fits, in file order. When that
// gives fewer than wanted, every card has a word among the at most
// 2 × (wanted - 1) words taken, and a matching of wanted edges exists in
// the small graph of those words, their edges among each other and, for
// each, `wanted` of its other neighbours (the other wanted - 1 edges of a
// matching block at most wanted - 1 of them). That graph is searched
// completely.
QList<qsizetype> searchPairs(const WordPairs &pairs, int wanted)
{
    const auto &ends = pairs.ends;
    const auto cardCount = qsizetype(ends.size());
    std::vector<char> taken(pairs.words);
    QList<qsizetype> chosen;
    for (qsizetype i = 0; i < cardCount && chosen.size() < wanted; ++i) {
        const auto [a, b] = ends[size_t(i)];
        if (!taken[a] && !taken[b]) {
            taken[a] = taken[b] = 1;
            chosen << i;
        }
    }
    if (chosen.size() >= wanted)
        return chosen;

    // The small graph: the words taken first, then the neighbours kept and
    // one private partner for a word that is a card on its own.
    std::vector<int> vertex(pairs.words, -1);
    int n = 0;
    for (size_t w = 0; w < taken.size(); ++w)
        if (taken[w])
            vertex[w] = n++;
    std::vector<int> kept(static_cast<size_t>(n)), alone(static_cast<size_t>(n), -1);
    QHash<quint64, qsizetype> edgeCard;
    std::vector<std::pair<int, int>> edges;
    const auto key = [](int u, int v) { return u < v ? quint64(u) << 32 | quint64(v) : quint64(v) << 32 | quint64(u); };
    const auto addEdge = [&](int u, int v, qsizetype card) {
        if (edgeCard.contains(key(u, v)))
            return false;
        edgeCard.insert(key(u, v), card);
        edges.emplace_back(u, v);
        return true;
    };
    for (qsizetype i = 0; i < cardCount; ++i) {
        auto [a, b] = ends[size_t(i)];
        if (!taken[a])
            std::swap(a, b);
        const int u = vertex[a];
        if (a == b) {
            if (alone[u] < 0) {
                alone[u] = n++;
                addEdge(u, alone[u], i);
            }
        } else if (taken[b]) {
            addEdge(u, vertex[b], i);
        } else if (kept[u] < wanted) {
            if (vertex[b] < 0)
                vertex[b] = n++;
            kept[u] += addEdge(u, vertex[b], i);
        }
    }
    std::vector<std::vector<int>> graph(static_cast<size_t>(n));
    for (const auto &[u, v] : edges) {
        graph[u].push_back(v);
        graph[v].push_back(u);
    }
    std::vector<int> mate(static_cast<size_t>(n), -1);
    for (qsizetype i : chosen) {
        const auto [a, b] = ends[size_t(i)];
        const int u = vertex[a], v = a == b ? alone[u] : vertex[b];
        mate[u] = v;
        mate[v] = u;
    }
    Matching matching(graph, std::move(mate));
    matching.grow(int(chosen.size()), wanted);
    chosen.clear();
    for (int v = 0; v < n && chosen.size() < wanted; ++v)
        if (matching.partner(v) > v)
            chosen << edgeCard.value(key(v, matching.partner(v)));
    return chosen;
}

} // namespace

QList<qsizetype> findDistinctPairs(const QList<const CardEntry *> &cards, int wanted)
{
    return searchPairs(numberWords(cards), wanted);
}

MemoryGame::MemoryGame(const QString &folder, SharedState &shared, Platform &platform, Random &random)
    : m_folder(folder), m_shared(shared), m_platform(platform), m_random(random)
{}

void MemoryGame::clearBoard()
{
    for (Field &f : m_fields)
        f.solved = f.open = false;
    m_secondPickNext = false;
    m_first = m_second = -1;
}

// The file is read once a deal. Each pair is drawn with the same odds among
// the cards that still fit (neither word dealt yet); where none fits, the
// deal starts over, a few times. When no draw gets nine pairs, a complete
// search decides: it finds nine where the file holds them, and only
// otherwise the deal gives up with a message.
bool MemoryGame::dealMemoryGame()
{
    m_random.seed(std::uint64_t(m_platform.secondsSinceMidnight()));
    clearBoard();
    QList<const CardEntry *> usable;
    const CardList cards = readCompleteCards(m_folder, m_shared.currentCardFile);
    for (const CardEntry &card : cards)
        if (!card.baseWord.isEmpty() && !card.relatedWord.isEmpty())
            usable.append(&card);

    constexpr int pairCount = fieldCount / 2;
    const WordPairs pairs = numberWords(usable);
    QList<qsizetype> drawn;
    std::vector<qsizetype> fitting;
    for (int attempt = 0; attempt < 10 && drawn.size() < pairCount; ++attempt) {
        drawn.clear();
        std::vector<char> dealt(pairs.words);
        while (drawn.size() < pairCount) {
            fitting.clear();
            for (qsizetype i = 0; i < usable.size(); ++i)
                if (!dealt[pairs.ends[size_t(i)].first] && !dealt[pairs.ends[size_t(i)].second])
                    fitting.push_back(i);
            if (fitting.empty())
                break;
            const qsizetype card = fitting[size_t(m_random.next() * double(fitting.size()))];
            dealt[pairs.ends[size_t(card)].first] = dealt[pairs.ends[size_t(card)].second] = 1;
            drawn << card;
        }
    }
    if (drawn.size() < pairCount)
        drawn = searchPairs(pairs, pairCount);
    if (drawn.size() < pairCount) {
        emit changed();
        m_platform.messageBox(notEnoughWords(QStringLiteral("Memoryspiel abbrechen")));
        return false;
    }
    QList<QPair<int, QString>> deal;
    for (int pair = 1; pair <= pairCount; ++pair) {
        const CardEntry *card = usable[drawn[pair - 1]];
        deal << qMakePair(pair, card->baseWord) << qMakePair(pair, card->relatedWord);
    }
    for (Field &field : m_fields) { // the shuffle
        const auto m = qsizetype(m_random.next() * double(deal.size()));
        field.pair = deal[m].first;
        field.word = deal[m].second;
        deal.remove(m);
    }
    emit changed();
    return true;
}

QString MemoryGame::shownText(int field) const
{
    const Field &f = m_fields[field];
    return f.open || f.solved ? f.word : QString();
}

void MemoryGame::clickField(int field)
{
    if (field < 0 || field >= fieldCount || m_fields[field].solved)
        return;
    // the first pick clicked again: nothing (a double click is no pair)
    if (m_secondPickNext && field == m_first)
        return;
    if (!m_secondPickNext && m_first >= 0 && m_second >= 0) { // cover the last attempt's pair
        m_fields[m_first].open = m_fields[m_second].open = false;
        m_first = m_second = -1;
    }
    m_fields[field].open = true;
    if (!m_secondPickNext) {
        m_secondPickNext = true;
        m_first = field;
        emit changed();
        return;
    }
    m_secondPickNext = false;
    m_second = field;
    if (m_fields[m_first].pair == m_fields[m_second].pair) {
        m_fields[m_first].solved = m_fields[m_second].solved = true;
        m_first = m_second = -1;
    }
    emit changed();
    for (const Field &f : m_fields)
        if (!f.solved)
            return;
    m_platform.messageBox({QStringLiteral("Memory"), QStringLiteral("Prima, du hast es geschafft!\r")});
    clearBoard();
    emit changed();
    emit left();
}

void MemoryGame::showMemoryHelp()
{
    m_platform.messageBox({QStringLiteral("ZEK-Memory"),
                           QStringLiteral("Immer zwei Felder gehören zu einer Wortfamilie.\r"
                                          "Klicke auf alle Einzelfelder und suche die Paare!")});
}

void MemoryGame::leaveMemory() { emit left(); }

} // namespace zek
