<?xml version='1.0' encoding='utf-8'?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>PictureWords</name>
    <message>
        <source>SHAPES</source>
        <extracomment>Caption over the left board, where the code's shapes are guessed.</extracomment>
        <translation>FORMEN</translation>
    </message>
    <message>
        <source>COLORS</source>
        <extracomment>Caption over the right board, where the code's colours are guessed.</extracomment>
        <translation>FARBEN</translation>
    </message>
    <message>
        <source>SCORE BY ROUND</source>
        <extracomment>Label over the eight round scores under the centre grid.</extracomment>
        <translation>PUNKTE JE RUNDE</translation>
    </message>
    <message>
        <source>TOTAL</source>
        <extracomment>Label over the game's total score.</extracomment>
        <translation>GESAMT</translation>
    </message>
    <message>
        <source>GAMES PLAYED</source>
        <extracomment>High Scores window: the number of finished games of a variant.</extracomment>
        <translation>ANZAHL SPIELE</translation>
    </message>
    <message>
        <source>AVERAGE SCORE</source>
        <extracomment>High Scores window: a variant's average total per game.</extracomment>
        <translation>DURCHSCHNITT</translation>
    </message>
    <message>
        <source>BEST SCORE</source>
        <extracomment>High Scores window: a variant's lowest total (lower is better).</extracomment>
        <translation>BESTWERT</translation>
    </message>
    <message>
        <source>SIX COLORS, NO CIRCLES</source>
        <extracomment>Variant title: 7 rounds, codes of 4 chips, the circles are not in play.</extracomment>
        <translation>SECHS FARBEN, OHNE KREISE</translation>
    </message>
    <message>
        <source>SIX COLORS, ALL SIX SHAPES</source>
        <extracomment>Variant title: 8 rounds, codes of 4 chips, all 36 chips in play but two set aside.</extracomment>
        <translation>SECHS FARBEN, ALLE SECHS FORMEN</translation>
    </message>
    <message>
        <source>SMALLER CODES, FIVE BY FIVE</source>
        <extracomment>Variant title: 8 rounds, codes of 3 chips from 25 (no circles, no red).</extracomment>
        <translation>KÜRZERE CODES, FÜNF MAL FÜNF</translation>
    </message>
    <message>
        <source>GUESS</source>
        <extracomment>Button beside a full row: have the row judged. Short: it fits a small button.</extracomment>
        <translation>PRÜFEN</translation>
    </message>
    <message>
        <source>NEW GAME</source>
        <extracomment>Button after the last round.</extracomment>
        <translation>NEUES SPIEL</translation>
    </message>
    <message>
        <source>NEXT ROUND</source>
        <extracomment>Button after a round.</extracomment>
        <translation>NÄCHSTE RUNDE</translation>
    </message>
    <message>
        <source>ACTIVE</source>
        <extracomment>High Scores window: the variant that new games play.</extracomment>
        <translation>AKTIV</translation>
    </message>
    <message>
        <source>INACTIVE</source>
        <extracomment>High Scores window: press to make this variant the active one.</extracomment>
        <translation>INAKTIV</translation>
    </message>
</context>
</TS>
