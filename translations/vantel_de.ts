<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>BoardNames</name>
    <message>
        <source>none yet</source>
        <translation>noch keines</translation>
    </message>
    <message>
        <source>not played</source>
        <translation>nicht gespielt</translation>
    </message>
    <message>
        <source>result: %1</source>
        <translation>Ergebnis: %1</translation>
    </message>
    <message>
        <source>current row, full: %1 is offered</source>
        <extracomment>%1 is the GUESS button&apos;s words.</extracomment>
        <translation>aktuelle Reihe, voll: %1 ist bereit</translation>
    </message>
    <message>
        <source>current row: drop a colour here</source>
        <translation>aktuelle Reihe: hier eine Farbe ablegen</translation>
    </message>
    <message>
        <source>current row: drop a shape here</source>
        <translation>aktuelle Reihe: hier eine Form ablegen</translation>
    </message>
    <message>
        <source>%1 row %2</source>
        <extracomment>A board&apos;s row, counted from the bottom: &quot;SHAPES row 3&quot;.</extracomment>
        <translation>%1, Reihe %2</translation>
    </message>
    <message>
        <source>%1 row %2, slot %3: %4</source>
        <extracomment>A slot of a guess row and what it holds: &quot;SHAPES row 3, slot 2: heart&quot;.</extracomment>
        <translation>%1, Reihe %2, Feld %3: %4</translation>
    </message>
    <message>
        <source>%1 code, slot %2: %3</source>
        <extracomment>A slot of the code row at the top of a board: &quot;COLORS code, slot 1: hidden&quot;.</extracomment>
        <translation>%1, Code, Feld %2: %3</translation>
    </message>
    <message>
        <source>%1 tray: %2</source>
        <extracomment>A chip of the tray under a board: &quot;SHAPES tray: star&quot;.</extracomment>
        <translation>%1, Ablage: %2</translation>
    </message>
    <message>
        <source>set aside in this variant</source>
        <translation>in dieser Variante beiseitegelegt</translation>
    </message>
    <message>
        <source>the board is closed</source>
        <translation>das Brett ist geschlossen</translation>
    </message>
    <message>
        <source>drag it onto the current row</source>
        <translation>auf die aktuelle Reihe ziehen</translation>
    </message>
    <message>
        <source>codes have three chips in this variant</source>
        <translation>Codes haben in dieser Variante drei Steine</translation>
    </message>
    <message>
        <source>shown when the %1 board closes</source>
        <extracomment>%1 is the other board&apos;s name.</extracomment>
        <translation>wird gezeigt, wenn sich das Brett %1 schließt</translation>
    </message>
    <message>
        <source>the code&apos;s shape, shown since the %1 board closed</source>
        <translation>die Form des Codes, gezeigt, seit sich das Brett %1 geschlossen hat</translation>
    </message>
    <message>
        <source>the code&apos;s colour, shown since the %1 board closed</source>
        <translation>die Farbe des Codes, gezeigt, seit sich das Brett %1 geschlossen hat</translation>
    </message>
    <message>
        <source>%1 board</source>
        <translation>Brett %1</translation>
    </message>
    <message>
        <source>%1 result: %2</source>
        <extracomment>A row&apos;s pegs: %1 is the row (&quot;SHAPES row 3&quot;), %2 what they say.</extracomment>
        <translation>%1, Ergebnis: %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>A row&apos;s GUESS button: %1 is the button&apos;s words, %2 the row (&quot;SHAPES row 3&quot;).</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>closed</source>
        <translation>geschlossen</translation>
    </message>
    <message>
        <source>open, row %1 is the current row</source>
        <translation>offen, Reihe %1 ist die aktuelle Reihe</translation>
    </message>
    <message>
        <source>peg %1: no result yet</source>
        <translation>Stift %1: noch kein Ergebnis</translation>
    </message>
    <message>
        <source>peg %1: %2</source>
        <translation>Stift %1: %2</translation>
    </message>
    <message>
        <source>judge the row: %1</source>
        <extracomment>%1 lists the row&apos;s chips: &quot;heart, star, club, diamond&quot;.</extracomment>
        <translation>die Reihe bewerten: %1</translation>
    </message>
    <message>
        <source>round %1 score: none yet</source>
        <translation>Punkte Runde %1: noch keine</translation>
    </message>
    <message>
        <source>round %1 score %2</source>
        <translation>Punkte Runde %1: %2</translation>
    </message>
    <message>
        <source>centre</source>
        <extracomment>The middle of the window, between the boards.</extracomment>
        <translation>Mitte</translation>
    </message>
    <message>
        <source>centre: %1</source>
        <extracomment>A chip of the centre grid: &quot;centre: green club, available&quot;.</extracomment>
        <translation>Mitte: %1</translation>
    </message>
    <message>
        <source>total score %1</source>
        <translation>Gesamtpunkte %1</translation>
    </message>
    <message>
        <source>the pool of chips and the scores</source>
        <translation>die Steine im Spiel und die Punkte</translation>
    </message>
    <message>
        <source>still in the pool</source>
        <translation>noch im Spiel</translation>
    </message>
    <message>
        <source>no longer in the pool</source>
        <translation>nicht mehr im Spiel</translation>
    </message>
    <message>
        <source>not reached yet</source>
        <translation>noch nicht erreicht</translation>
    </message>
    <message>
        <source>the round in play</source>
        <translation>die laufende Runde</translation>
    </message>
    <message>
        <source>a finished round</source>
        <translation>eine beendete Runde</translation>
    </message>
    <message>
        <source>the game&apos;s total; lower is better</source>
        <translation>die Summe des Spiels; weniger ist besser</translation>
    </message>
    <message>
        <source>start a new game; this one&apos;s total score %1</source>
        <translation>ein neues Spiel beginnen; dieses endete mit %1 Punkten</translation>
    </message>
    <message>
        <source>start round %1</source>
        <translation>Runde %1 beginnen</translation>
    </message>
</context>
<context>
    <name>BoardWords</name>
    <message>
        <source>star</source>
        <translation>Stern</translation>
    </message>
    <message>
        <source>club</source>
        <translation>Kreuz</translation>
    </message>
    <message>
        <source>diamond</source>
        <translation>Karo</translation>
    </message>
    <message>
        <source>heart</source>
        <translation>Herz</translation>
    </message>
    <message>
        <source>spade</source>
        <translation>Pik</translation>
    </message>
    <message>
        <source>circle</source>
        <translation>Kreis</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>orange</source>
        <translation>Orange</translation>
    </message>
    <message>
        <source>purple</source>
        <translation>Violett</translation>
    </message>
    <message>
        <source>green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>Gelb</translation>
    </message>
    <message>
        <source>red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>blue star</source>
        <translation>blauer Stern</translation>
    </message>
    <message>
        <source>blue club</source>
        <translation>blaues Kreuz</translation>
    </message>
    <message>
        <source>blue diamond</source>
        <translation>blaues Karo</translation>
    </message>
    <message>
        <source>blue heart</source>
        <translation>blaues Herz</translation>
    </message>
    <message>
        <source>blue spade</source>
        <translation>blaues Pik</translation>
    </message>
    <message>
        <source>blue circle</source>
        <translation>blauer Kreis</translation>
    </message>
    <message>
        <source>orange star</source>
        <translation>orangefarbener Stern</translation>
    </message>
    <message>
        <source>orange club</source>
        <translation>orangefarbenes Kreuz</translation>
    </message>
    <message>
        <source>orange diamond</source>
        <translation>orangefarbenes Karo</translation>
    </message>
    <message>
        <source>orange heart</source>
        <translation>orangefarbenes Herz</translation>
    </message>
    <message>
        <source>orange spade</source>
        <translation>orangefarbenes Pik</translation>
    </message>
    <message>
        <source>orange circle</source>
        <translation>orangefarbener Kreis</translation>
    </message>
    <message>
        <source>purple star</source>
        <translation>violetter Stern</translation>
    </message>
    <message>
        <source>purple club</source>
        <translation>violettes Kreuz</translation>
    </message>
    <message>
        <source>purple diamond</source>
        <translation>violettes Karo</translation>
    </message>
    <message>
        <source>purple heart</source>
        <translation>violettes Herz</translation>
    </message>
    <message>
        <source>purple spade</source>
        <translation>violettes Pik</translation>
    </message>
    <message>
        <source>purple circle</source>
        <translation>violetter Kreis</translation>
    </message>
    <message>
        <source>green star</source>
        <translation>grüner Stern</translation>
    </message>
    <message>
        <source>green club</source>
        <translation>grünes Kreuz</translation>
    </message>
    <message>
        <source>green diamond</source>
        <translation>grünes Karo</translation>
    </message>
    <message>
        <source>green heart</source>
        <translation>grünes Herz</translation>
    </message>
    <message>
        <source>green spade</source>
        <translation>grünes Pik</translation>
    </message>
    <message>
        <source>green circle</source>
        <translation>grüner Kreis</translation>
    </message>
    <message>
        <source>yellow star</source>
        <translation>gelber Stern</translation>
    </message>
    <message>
        <source>yellow club</source>
        <translation>gelbes Kreuz</translation>
    </message>
    <message>
        <source>yellow diamond</source>
        <translation>gelbes Karo</translation>
    </message>
    <message>
        <source>yellow heart</source>
        <translation>gelbes Herz</translation>
    </message>
    <message>
        <source>yellow spade</source>
        <translation>gelbes Pik</translation>
    </message>
    <message>
        <source>yellow circle</source>
        <translation>gelber Kreis</translation>
    </message>
    <message>
        <source>red star</source>
        <translation>roter Stern</translation>
    </message>
    <message>
        <source>red club</source>
        <translation>rotes Kreuz</translation>
    </message>
    <message>
        <source>red diamond</source>
        <translation>rotes Karo</translation>
    </message>
    <message>
        <source>red heart</source>
        <translation>rotes Herz</translation>
    </message>
    <message>
        <source>red spade</source>
        <translation>rotes Pik</translation>
    </message>
    <message>
        <source>red circle</source>
        <translation>roter Kreis</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>leer</translation>
    </message>
    <message>
        <source>hidden</source>
        <extracomment>A code slot before its half of the code is shown.</extracomment>
        <translation>verdeckt</translation>
    </message>
    <message>
        <source>%1, not in play</source>
        <extracomment>%1 is a shape or a colour the variant leaves out.</extracomment>
        <translation>%1, nicht im Spiel</translation>
    </message>
    <message>
        <source>not in play</source>
        <translation>nicht im Spiel</translation>
    </message>
    <message>
        <source>%1, ruled out</source>
        <extracomment>A chip of the centre grid: %1 is its name (&quot;green club&quot;).</extracomment>
        <translation>%1, ausgeschieden</translation>
    </message>
    <message>
        <source>%1, available</source>
        <translation>%1, möglich</translation>
    </message>
    <message>
        <source>right place</source>
        <extracomment>One peg: a chip of the guess in the right place.</extracomment>
        <translation>an richtiger Stelle</translation>
    </message>
    <message>
        <source>right chip elsewhere</source>
        <extracomment>One peg: a chip of the guess that the code holds in another place.</extracomment>
        <translation>an anderer Stelle</translation>
    </message>
    <message>
        <source>no match</source>
        <extracomment>One peg, or a whole judged row: chips the code does not hold.</extracomment>
        <translation>kein Treffer</translation>
    </message>
    <message>
        <source>none</source>
        <extracomment>A peg of a row not yet judged.</extracomment>
        <translation>keiner</translation>
    </message>
    <message numerus="yes">
        <source>%n right place</source>
        <extracomment>A judged row: how many of its chips are in the right place.</extracomment>
        <translation>
            <numerusform>%n an richtiger Stelle</numerusform>
            <numerusform>%n an richtiger Stelle</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n right chip elsewhere</source>
        <extracomment>A judged row: how many of its chips the code holds in another place.</extracomment>
        <translation>
            <numerusform>%n an anderer Stelle</numerusform>
            <numerusform>%n an anderer Stelle</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CAboutDlg</name>
    <message>
        <source>High Scores for Vantel</source>
        <translation>Bestenliste von Vantel</translation>
    </message>
    <message>
        <source>THAT CHOICE COULD NOT BE SAVED</source>
        <translation>DIESE WAHL KONNTE NICHT GESPEICHERT WERDEN</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A High Scores button: its words (ACTIVE or INACTIVE) and its variant&apos;s title.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>the variant new games play</source>
        <translation>die Variante der neuen Spiele</translation>
    </message>
    <message>
        <source>press to play this variant</source>
        <translation>drücken, um diese Variante zu spielen</translation>
    </message>
    <message>
        <source>%1: games played %2</source>
        <translation>%1: Anzahl Spiele %2</translation>
    </message>
    <message>
        <source>%1: average score %2</source>
        <translation>%1: Durchschnitt %2</translation>
    </message>
    <message>
        <source>%1: best score %2</source>
        <translation>%1: Bestwert %2</translation>
    </message>
    <message>
        <source>%1: no best score, no game played yet</source>
        <translation>%1: kein Bestwert, noch kein Spiel gespielt</translation>
    </message>
    <message>
        <source>%1.%2</source>
        <extracomment>An average score as a number: whole points, the language&apos;s decimal sign, tenths (&quot;45.7&quot;).</extracomment>
        <translation>%1,%2</translation>
    </message>
</context>
<context>
    <name>CCentreView</name>
    <message>
        <source>THIS GAME COULD NOT BE RECORDED</source>
        <translation>DIESES SPIEL KONNTE NICHT EINGETRAGEN WERDEN</translation>
    </message>
</context>
<context>
    <name>CGameNews</name>
    <message>
        <source>round %1 score %2</source>
        <translation>Punkte Runde %1: %2</translation>
    </message>
    <message>
        <source>new game, round %1 of %2</source>
        <translation>neues Spiel, Runde %1 von %2</translation>
    </message>
    <message>
        <source>round %1 of %2</source>
        <translation>Runde %1 von %2</translation>
    </message>
    <message>
        <source>%1 row %2: %3</source>
        <extracomment>A row judged: &quot;SHAPES row 3: 1 right place, 2 right chip elsewhere&quot;.</extracomment>
        <translation>%1, Reihe %2: %3</translation>
    </message>
    <message>
        <source>%1 board closed, solved; the code&apos;s shapes: %2</source>
        <extracomment>%1 is the board&apos;s name, %2 the code&apos;s shapes or colours: &quot;star, heart, club, club&quot;.</extracomment>
        <translation>Brett %1 geschlossen, gelöst; die Formen des Codes: %2</translation>
    </message>
    <message>
        <source>%1 board closed, not solved; the code&apos;s shapes: %2</source>
        <translation>Brett %1 geschlossen, nicht gelöst; die Formen des Codes: %2</translation>
    </message>
    <message>
        <source>%1 board closed, solved; the code&apos;s colours: %2</source>
        <translation>Brett %1 geschlossen, gelöst; die Farben des Codes: %2</translation>
    </message>
    <message>
        <source>%1 board closed, not solved; the code&apos;s colours: %2</source>
        <translation>Brett %1 geschlossen, nicht gelöst; die Farben des Codes: %2</translation>
    </message>
    <message>
        <source>round %1 over, score %2</source>
        <translation>Runde %1 vorbei, %2 Punkte</translation>
    </message>
    <message>
        <source>Game over, total score %1, recorded in the high scores</source>
        <extracomment>%2 is the note THIS GAME COULD NOT BE RECORDED.</extracomment>
        <translation>Spiel vorbei, %1 Punkte insgesamt, in die Bestenliste eingetragen</translation>
    </message>
    <message>
        <source>Game over, total score %1, %2</source>
        <translation>Spiel vorbei, %1 Punkte insgesamt, %2</translation>
    </message>
</context>
<context>
    <name>CHelpWindow</name>
    <message>
        <source>Vantel Instructions</source>
        <translation>Vantel – Anleitung</translation>
    </message>
    <message>
        <source>The instructions could not be opened.</source>
        <translation>Die Anleitung konnte nicht geöffnet werden.</translation>
    </message>
</context>
<context>
    <name>CKeyboardPlay</name>
    <message>
        <source>%1 in slot %2</source>
        <translation>%1 in Feld %2</translation>
    </message>
    <message>
        <source>%1 copied into slot %2 of the current row</source>
        <translation>%1 in Feld %2 der aktuellen Reihe kopiert</translation>
    </message>
</context>
<context>
    <name>CVantel2Dlg</name>
    <message>
        <source>menu</source>
        <translation>Menü</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Anleitung</translation>
    </message>
    <message>
        <source>High Scores and Configuration...</source>
        <translation>Bestenliste und Einstellungen …</translation>
    </message>
</context>
<context>
    <name>PictureWords</name>
    <message>
        <source>SHAPES</source>
        <extracomment>Caption over the left board, where the code&apos;s shapes are guessed.</extracomment>
        <translation>FORMEN</translation>
    </message>
    <message>
        <source>COLORS</source>
        <extracomment>Caption over the right board, where the code&apos;s colours are guessed.</extracomment>
        <translation>FARBEN</translation>
    </message>
    <message>
        <source>SCORE BY ROUND</source>
        <extracomment>Label over the eight round scores under the centre grid.</extracomment>
        <translation>PUNKTE JE RUNDE</translation>
    </message>
    <message>
        <source>TOTAL</source>
        <extracomment>Label over the game&apos;s total score.</extracomment>
        <translation>GESAMT</translation>
    </message>
    <message>
        <source>GAMES PLAYED</source>
        <extracomment>High Scores window: the number of finished games of a variant.</extracomment>
        <translation>ANZAHL SPIELE</translation>
    </message>
    <message>
        <source>AVERAGE SCORE</source>
        <extracomment>High Scores window: a variant&apos;s average total per game.</extracomment>
        <translation>DURCHSCHNITT</translation>
    </message>
    <message>
        <source>BEST SCORE</source>
        <extracomment>High Scores window: a variant&apos;s lowest total (lower is better).</extracomment>
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
<context>
    <name>QuitQuestion</name>
    <message>
        <source>Quit Vantel?</source>
        <translation>Vantel beenden?</translation>
    </message>
    <message>
        <source>The game in progress will be lost.</source>
        <translation>Das laufende Spiel geht verloren.</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <extracomment>The button that ends the game; its letter after &amp; is its key (Alt and the letter).</extracomment>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Keep Playing</source>
        <extracomment>The button that closes the question and goes on with the game.</extracomment>
        <translation>&amp;Weiterspielen</translation>
    </message>
</context>
</TS>
