<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>BoardWords</name>
    <message>
        <source>star</source>
        <translation>étoile</translation>
    </message>
    <message>
        <source>club</source>
        <translation>trèfle</translation>
    </message>
    <message>
        <source>diamond</source>
        <translation>carreau</translation>
    </message>
    <message>
        <source>heart</source>
        <translation>cœur</translation>
    </message>
    <message>
        <source>spade</source>
        <translation>pique</translation>
    </message>
    <message>
        <source>circle</source>
        <translation>cercle</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>bleu</translation>
    </message>
    <message>
        <source>orange</source>
        <translation>orange</translation>
    </message>
    <message>
        <source>purple</source>
        <translation>violet</translation>
    </message>
    <message>
        <source>green</source>
        <translation>vert</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>jaune</translation>
    </message>
    <message>
        <source>red</source>
        <translation>rouge</translation>
    </message>
    <message>
        <source>blue star</source>
        <translation>étoile bleue</translation>
    </message>
    <message>
        <source>blue club</source>
        <translation>trèfle bleu</translation>
    </message>
    <message>
        <source>blue diamond</source>
        <translation>carreau bleu</translation>
    </message>
    <message>
        <source>blue heart</source>
        <translation>cœur bleu</translation>
    </message>
    <message>
        <source>blue spade</source>
        <translation>pique bleu</translation>
    </message>
    <message>
        <source>blue circle</source>
        <translation>cercle bleu</translation>
    </message>
    <message>
        <source>orange star</source>
        <translation>étoile orange</translation>
    </message>
    <message>
        <source>orange club</source>
        <translation>trèfle orange</translation>
    </message>
    <message>
        <source>orange diamond</source>
        <translation>carreau orange</translation>
    </message>
    <message>
        <source>orange heart</source>
        <translation>cœur orange</translation>
    </message>
    <message>
        <source>orange spade</source>
        <translation>pique orange</translation>
    </message>
    <message>
        <source>orange circle</source>
        <translation>cercle orange</translation>
    </message>
    <message>
        <source>purple star</source>
        <translation>étoile violette</translation>
    </message>
    <message>
        <source>purple club</source>
        <translation>trèfle violet</translation>
    </message>
    <message>
        <source>purple diamond</source>
        <translation>carreau violet</translation>
    </message>
    <message>
        <source>purple heart</source>
        <translation>cœur violet</translation>
    </message>
    <message>
        <source>purple spade</source>
        <translation>pique violet</translation>
    </message>
    <message>
        <source>purple circle</source>
        <translation>cercle violet</translation>
    </message>
    <message>
        <source>green star</source>
        <translation>étoile verte</translation>
    </message>
    <message>
        <source>green club</source>
        <translation>trèfle vert</translation>
    </message>
    <message>
        <source>green diamond</source>
        <translation>carreau vert</translation>
    </message>
    <message>
        <source>green heart</source>
        <translation>cœur vert</translation>
    </message>
    <message>
        <source>green spade</source>
        <translation>pique vert</translation>
    </message>
    <message>
        <source>green circle</source>
        <translation>cercle vert</translation>
    </message>
    <message>
        <source>yellow star</source>
        <translation>étoile jaune</translation>
    </message>
    <message>
        <source>yellow club</source>
        <translation>trèfle jaune</translation>
    </message>
    <message>
        <source>yellow diamond</source>
        <translation>carreau jaune</translation>
    </message>
    <message>
        <source>yellow heart</source>
        <translation>cœur jaune</translation>
    </message>
    <message>
        <source>yellow spade</source>
        <translation>pique jaune</translation>
    </message>
    <message>
        <source>yellow circle</source>
        <translation>cercle jaune</translation>
    </message>
    <message>
        <source>red star</source>
        <translation>étoile rouge</translation>
    </message>
    <message>
        <source>red club</source>
        <translation>trèfle rouge</translation>
    </message>
    <message>
        <source>red diamond</source>
        <translation>carreau rouge</translation>
    </message>
    <message>
        <source>red heart</source>
        <translation>cœur rouge</translation>
    </message>
    <message>
        <source>red spade</source>
        <translation>pique rouge</translation>
    </message>
    <message>
        <source>red circle</source>
        <translation>cercle rouge</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vide</translation>
    </message>
    <message>
        <source>hidden</source>
        <extracomment>A code slot before its half of the code is shown.</extracomment>
        <translation>caché</translation>
    </message>
    <message>
        <source>%1, not in play</source>
        <extracomment>%1 is a shape or a colour the variant leaves out.</extracomment>
        <translation>%1, hors jeu</translation>
    </message>
    <message>
        <source>not in play</source>
        <translation>hors jeu</translation>
    </message>
    <message>
        <source>%1, ruled out</source>
        <extracomment>A chip of the centre grid: %1 is its name (&quot;green club&quot;).</extracomment>
        <translation>%1, écarté</translation>
    </message>
    <message>
        <source>%1, available</source>
        <translation>%1, possible</translation>
    </message>
    <message>
        <source>right place</source>
        <extracomment>One peg: a chip of the guess in the right place.</extracomment>
        <translation>bien placé</translation>
    </message>
    <message>
        <source>right chip elsewhere</source>
        <extracomment>One peg: a chip of the guess that the code holds in another place.</extracomment>
        <translation>mal placé</translation>
    </message>
    <message>
        <source>no match</source>
        <extracomment>One peg, or a whole judged row: chips the code does not hold.</extracomment>
        <translation>aucune correspondance</translation>
    </message>
    <message>
        <source>none</source>
        <extracomment>A peg of a row not yet judged.</extracomment>
        <translation>aucun</translation>
    </message>
    <message numerus="yes">
        <source>%n right place</source>
        <extracomment>A judged row: how many of its chips are in the right place.</extracomment>
        <translation>
            <numerusform>%n bien placé</numerusform>
            <numerusform>%n bien placés</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n right chip elsewhere</source>
        <extracomment>A judged row: how many of its chips the code holds in another place.</extracomment>
        <translation>
            <numerusform>%n mal placé</numerusform>
            <numerusform>%n mal placés</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CAboutDlg</name>
    <message>
        <source>High Scores for Vantel</source>
        <translation>Meilleurs scores de Vantel</translation>
    </message>
    <message>
        <source>THAT CHOICE COULD NOT BE SAVED</source>
        <translation>CE CHOIX N’A PAS PU ÊTRE ENREGISTRÉ</translation>
    </message>
</context>
<context>
    <name>CCentreView</name>
    <message>
        <source>THIS GAME COULD NOT BE RECORDED</source>
        <translation>CETTE PARTIE N’A PAS PU ÊTRE ENREGISTRÉE</translation>
    </message>
</context>
<context>
    <name>PictureWords</name>
    <message>
        <source>SHAPES</source>
        <extracomment>Caption over the left board, where the code&apos;s shapes are guessed.</extracomment>
        <translation>FORMES</translation>
    </message>
    <message>
        <source>COLORS</source>
        <extracomment>Caption over the right board, where the code&apos;s colours are guessed.</extracomment>
        <translation>COULEURS</translation>
    </message>
    <message>
        <source>SCORE BY ROUND</source>
        <extracomment>Label over the eight round scores under the centre grid.</extracomment>
        <translation>SCORE PAR MANCHE</translation>
    </message>
    <message>
        <source>TOTAL</source>
        <extracomment>Label over the game&apos;s total score.</extracomment>
        <translation>TOTAL</translation>
    </message>
    <message>
        <source>GAMES PLAYED</source>
        <extracomment>High Scores window: the number of finished games of a variant.</extracomment>
        <translation>PARTIES JOUÉES</translation>
    </message>
    <message>
        <source>AVERAGE SCORE</source>
        <extracomment>High Scores window: a variant&apos;s average total per game.</extracomment>
        <translation>SCORE MOYEN</translation>
    </message>
    <message>
        <source>BEST SCORE</source>
        <extracomment>High Scores window: a variant&apos;s lowest total (lower is better).</extracomment>
        <translation>MEILLEUR SCORE</translation>
    </message>
    <message>
        <source>SIX COLORS, NO CIRCLES</source>
        <extracomment>Variant title: 7 rounds, codes of 4 chips, the circles are not in play.</extracomment>
        <translation>SIX COULEURS, SANS CERCLES</translation>
    </message>
    <message>
        <source>SIX COLORS, ALL SIX SHAPES</source>
        <extracomment>Variant title: 8 rounds, codes of 4 chips, all 36 chips in play but two set aside.</extracomment>
        <translation>SIX COULEURS, LES SIX FORMES</translation>
    </message>
    <message>
        <source>SMALLER CODES, FIVE BY FIVE</source>
        <extracomment>Variant title: 8 rounds, codes of 3 chips from 25 (no circles, no red).</extracomment>
        <translation>CODES COURTS, CINQ SUR CINQ</translation>
    </message>
    <message>
        <source>GUESS</source>
        <extracomment>Button beside a full row: have the row judged. Short: it fits a small button.</extracomment>
        <translation>VALIDER</translation>
    </message>
    <message>
        <source>NEW GAME</source>
        <extracomment>Button after the last round.</extracomment>
        <translation>NOUVELLE PARTIE</translation>
    </message>
    <message>
        <source>NEXT ROUND</source>
        <extracomment>Button after a round.</extracomment>
        <translation>MANCHE SUIVANTE</translation>
    </message>
    <message>
        <source>ACTIVE</source>
        <extracomment>High Scores window: the variant that new games play.</extracomment>
        <translation>ACTIVE</translation>
    </message>
    <message>
        <source>INACTIVE</source>
        <extracomment>High Scores window: press to make this variant the active one.</extracomment>
        <translation>INACTIVE</translation>
    </message>
</context>
<context>
    <name>QuitQuestion</name>
    <message>
        <source>Quit Vantel?</source>
        <translation>Quitter Vantel&#xa0;?</translation>
    </message>
    <message>
        <source>The game in progress will be lost.</source>
        <translation>La partie en cours sera perdue.</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <extracomment>The button that ends the game; its letter after &amp; is its key (Alt and the letter).</extracomment>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Keep Playing</source>
        <extracomment>The button that closes the question and goes on with the game.</extracomment>
        <translation>&amp;Continuer à jouer</translation>
    </message>
</context>
</TS>
