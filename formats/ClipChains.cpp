#include "formats/ClipChains.h"

#include <algorithm>
#include <iterator>

std::size_t ClipChains::Add(const std::vector<std::size_t>& earlierOver)
{
    Chain chain;
    if (!earlierOver.empty()) {
        const Chain& base = m_chains[earlierOver.back()];
        std::vector<std::size_t> missing;
        std::set_difference(earlierOver.begin(), earlierOver.end(), base.cut.begin(), base.cut.end(),
                            std::back_inserter(missing));
        const std::size_t longest = std::max(kLongestShared, 2 * earlierOver.size());
        if (base.cut.size() + missing.size() <= longest) {
            chain.head = base.head;
            std::set_union(base.cut.begin(), base.cut.end(), missing.begin(), missing.end(),
                           std::back_inserter(chain.cut));
        } else {
            missing = earlierOver;
            chain.cut = earlierOver;
        }
        for (std::size_t area : missing) {
            m_links.push_back({area, chain.head});
            chain.head = m_links.size() - 1;
        }
    }
    m_chains.push_back(std::move(chain));
    return m_chains.back().head;
}
