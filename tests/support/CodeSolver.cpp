#include "CodeSolver.h"

#include <algorithm>

Pegs Score(const Code& guess, const Code& code)
{
    Pegs p;
    int inGuess[7] = {};
    int inCode[7] = {};
    for (std::size_t k = 0; k < guess.size(); ++k) {
        if (guess[k] == code[k]) {
            ++p.exact;
        } else {
            ++inGuess[guess[k]];
            ++inCode[code[k]];
        }
    }
    for (int v = 1; v <= 6; ++v) p.present += std::min(inGuess[v], inCode[v]);
    return p;
}

CodeSolver::CodeSolver()
{
    for (int a = 1; a <= 6; ++a)
        for (int b = 1; b <= 6; ++b)
            for (int c = 1; c <= 6; ++c)
                for (int d = 1; d <= 6; ++d) m_candidates.push_back({a, b, c, d});
}

Code CodeSolver::NextGuess() const
{
    // Two pairs make a strong opening; after it, the first code that fits every answer.
    if (m_first) return {1, 1, 2, 2};
    return m_candidates.empty() ? Code{1, 1, 1, 1} : m_candidates.front();
}

void CodeSolver::Learn(const Code& guess, Pegs answer)
{
    m_first = false;
    const auto misfit = [&](const Code& c) { return !(Score(guess, c) == answer); };
    m_candidates.erase(std::remove_if(m_candidates.begin(), m_candidates.end(), misfit), m_candidates.end());
}
