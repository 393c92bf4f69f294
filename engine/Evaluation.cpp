#include "Evaluation.h"

Feedback Evaluate(const int32_t* guess, const int32_t* code, int n)
{
    Feedback f;
    bool guessUsed[4] = {};
    bool codeUsed[4] = {};
    for (int k = 0; k < n; ++k) {
        if (guess[k] == code[k]) {
            ++f.exact;
            guessUsed[k] = codeUsed[k] = true;
        }
    }
    for (int k = 0; k < n; ++k) {
        for (int l = 0; l < n; ++l) {
            if (l == k || guessUsed[k] || codeUsed[l] || code[l] != guess[k]) continue;
            ++f.present;
            guessUsed[k] = codeUsed[l] = true;
        }
    }
    return f;
}
