<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
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
</context>
<context>
    <name>CCentreView</name>
    <message>
        <source>THIS GAME COULD NOT BE RECORDED</source>
        <translation>DIESES SPIEL KONNTE NICHT EINGETRAGEN WERDEN</translation>
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
