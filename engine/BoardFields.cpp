#include "BoardFields.h"

BoardFields BoardFieldsOf(const GameState& s, int board)
{
    if (board == board::kShapes)
        return {s.m_nShapesGuess, s.m_nShapesPegs, s.m_nCodeShapes, s.m_nShapesRow,
                s.m_bShapesClosed, s.m_bShapesRowFull, s.m_bShapesRevealed};
    return {s.m_nColorsGuess, s.m_nColorsPegs, s.m_nCodeColors, s.m_nColorsRow,
            s.m_bColorsClosed, s.m_bColorsRowFull, s.m_bColorsRevealed};
}
