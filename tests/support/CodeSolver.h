#pragma once
// Breaks one board's half of the code from the pegs alone: every guess is a code that agrees with
// all the answers so far, so a board is usually solved in five or six rows.

#include <array>
#include <vector>

using Code = std::array<int, 4>;   // values 1 to 6, slot 0 first

struct Pegs {
    int exact = 0;     // right value in the right slot
    int present = 0;   // right value in another slot
    bool operator==(const Pegs& o) const { return exact == o.exact && present == o.present; }
};

// The pegs the game gives `guess` against `code`.
Pegs Score(const Code& guess, const Code& code);

class CodeSolver {
public:
    CodeSolver();
    Code NextGuess() const;
    void Learn(const Code& guess, Pegs answer);
    std::size_t Remaining() const { return m_candidates.size(); }

private:
    std::vector<Code> m_candidates;
    bool m_first = true;
};
