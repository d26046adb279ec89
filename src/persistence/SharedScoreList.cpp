#include "persistence/SharedScoreList.h"

#include "persistence/FileAccess.h"

namespace kwintor {

namespace {

// Applies the changes in order; a record that the full list refuses is dropped from them.
bool applyChanges(ScoreList& list, std::vector<ScoreListChange>& changes) {
    bool refused = false;
    for (auto change = changes.begin(); change != changes.end();) {
        switch (change->kind) {
        case ScoreListChange::Kind::None: break;
        case ScoreListChange::Kind::Record:
            if (!list.insert(change->entry)) {
                refused = true;
                change = changes.erase(change);
                continue;
            }
            break;
        case ScoreListChange::Kind::Remove: list.removeFirstEqual(change->entry); break;
        case ScoreListChange::Kind::RemoveAll: list.clear(); break;
        }
        ++change;
    }
    return refused;
}

} // namespace

ScoreListLoad SharedScoreList::load() {
    m_file.clear();
    const ScoreListLoad result = LaadScorelijst(m_path, m_file);
    m_list = m_file;
    m_unwritten.clear();
    return result;
}

ScoreListUpdate SharedScoreList::update(const ScoreListChange& change) {
    try {
        if (change.kind != ScoreListChange::Kind::None)
            m_unwritten.push_back(change);

        ScoreList file;
        const ScoreListLoad read = LaadScorelijst(m_path, file);
        // An unreadable file, or a damaged one that cannot be kept, is not replaced; what
        // memory shows then rests on the file as it was last known.
        const bool readable = read != ScoreListLoad::Damaged || copyFileAtomically(m_path, m_path + ".bak");
        if (!readable) {
            m_list = m_file;
            const bool refused = applyChanges(m_list, m_unwritten);
            return refused ? ScoreListUpdate::Full : ScoreListUpdate::Failed;
        }

        m_file = file;
        ScoreList changed = std::move(file);
        const bool refused = applyChanges(changed, m_unwritten);
        m_list = std::move(changed);
        if (!writeScoreList(m_path, m_list))
            return refused ? ScoreListUpdate::Full : ScoreListUpdate::Failed;
        m_file = m_list;
        m_unwritten.clear();
        return refused ? ScoreListUpdate::Full : ScoreListUpdate::Written;
    } catch (...) { // out of memory: the file is untouched
        return ScoreListUpdate::Failed;
    }
}

} // namespace kwintor
