<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>BoardNames</name>
    <message>
        <source>none yet</source>
        <translation>aucun pour l’instant</translation>
    </message>
    <message>
        <source>not played</source>
        <translation>pas jouée</translation>
    </message>
    <message>
        <source>result: %1</source>
        <translation>résultat&#xa0;: %1</translation>
    </message>
    <message>
        <source>current row, full: %1 is offered</source>
        <extracomment>%1 is the GUESS button&apos;s words.</extracomment>
        <translation>rangée en cours, pleine&#xa0;: %1 est proposé</translation>
    </message>
    <message>
        <source>current row: drop a colour here</source>
        <translation>rangée en cours&#xa0;: posez une couleur ici</translation>
    </message>
    <message>
        <source>current row: drop a shape here</source>
        <translation>rangée en cours&#xa0;: posez une forme ici</translation>
    </message>
    <message>
        <source>%1 row %2</source>
        <extracomment>A board&apos;s row, counted from the bottom: &quot;SHAPES row 3&quot;.</extracomment>
        <translation>%1, rangée %2</translation>
    </message>
    <message>
        <source>%1 row %2, slot %3: %4</source>
        <extracomment>A slot of a guess row and what it holds: &quot;SHAPES row 3, slot 2: heart&quot;.</extracomment>
        <translation>%1, rangée %2, case %3&#xa0;: %4</translation>
    </message>
    <message>
        <source>%1 code, slot %2: %3</source>
        <extracomment>A slot of the code row at the top of a board: &quot;COLORS code, slot 1: hidden&quot;.</extracomment>
        <translation>%1, code, case %2&#xa0;: %3</translation>
    </message>
    <message>
        <source>%1 tray: %2</source>
        <extracomment>A chip of the tray under a board: &quot;SHAPES tray: star&quot;.</extracomment>
        <translation>%1, réserve&#xa0;: %2</translation>
    </message>
    <message>
        <source>set aside in this variant</source>
        <translation>mis de côté dans cette variante</translation>
    </message>
    <message>
        <source>the board is closed</source>
        <translation>le plateau est fermé</translation>
    </message>
    <message>
        <source>drag it onto the current row</source>
        <translation>faites-le glisser sur la rangée en cours</translation>
    </message>
    <message>
        <source>codes have three chips in this variant</source>
        <translation>les codes ont trois jetons dans cette variante</translation>
    </message>
    <message>
        <source>shown when the %1 board closes</source>
        <extracomment>%1 is the other board&apos;s name.</extracomment>
        <translation>affiché quand le plateau %1 se ferme</translation>
    </message>
    <message>
        <source>the code&apos;s shape, shown since the %1 board closed</source>
        <translation>la forme du code, affichée depuis la fermeture du plateau %1</translation>
    </message>
    <message>
        <source>the code&apos;s colour, shown since the %1 board closed</source>
        <translation>la couleur du code, affichée depuis la fermeture du plateau %1</translation>
    </message>
    <message>
        <source>%1 board</source>
        <translation>plateau %1</translation>
    </message>
    <message>
        <source>%1 result: %2</source>
        <extracomment>A row&apos;s pegs: %1 is the row (&quot;SHAPES row 3&quot;), %2 what they say.</extracomment>
        <translation>%1, résultat&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>A row&apos;s GUESS button: %1 is the button&apos;s words, %2 the row (&quot;SHAPES row 3&quot;).</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>closed</source>
        <translation>fermé</translation>
    </message>
    <message>
        <source>open, row %1 is the current row</source>
        <translation>ouvert, la rangée %1 est la rangée en cours</translation>
    </message>
    <message>
        <source>peg %1: no result yet</source>
        <translation>marqueur %1&#xa0;: pas encore de résultat</translation>
    </message>
    <message>
        <source>peg %1: %2</source>
        <translation>marqueur %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>judge the row: %1</source>
        <extracomment>%1 lists the row&apos;s chips: &quot;heart, star, club, diamond&quot;.</extracomment>
        <translation>faire juger la rangée&#xa0;: %1</translation>
    </message>
    <message>
        <source>round %1 score: none yet</source>
        <translation>score de la manche %1&#xa0;: pas encore</translation>
    </message>
    <message>
        <source>round %1 score %2</source>
        <translation>score de la manche %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>centre</source>
        <extracomment>The middle of the window, between the boards.</extracomment>
        <translation>centre</translation>
    </message>
    <message>
        <source>centre: %1</source>
        <extracomment>A chip of the centre grid: &quot;centre: green club, available&quot;.</extracomment>
        <translation>centre&#xa0;: %1</translation>
    </message>
    <message>
        <source>total score %1</source>
        <translation>score total %1</translation>
    </message>
    <message>
        <source>the pool of chips and the scores</source>
        <translation>les jetons en jeu et les scores</translation>
    </message>
    <message>
        <source>still in the pool</source>
        <translation>encore en jeu</translation>
    </message>
    <message>
        <source>no longer in the pool</source>
        <translation>plus en jeu</translation>
    </message>
    <message>
        <source>not reached yet</source>
        <translation>pas encore atteinte</translation>
    </message>
    <message>
        <source>the round in play</source>
        <translation>la manche en cours</translation>
    </message>
    <message>
        <source>a finished round</source>
        <translation>une manche terminée</translation>
    </message>
    <message>
        <source>the game&apos;s total; lower is better</source>
        <translation>le total de la partie&#xa0;; plus il est bas, mieux c’est</translation>
    </message>
    <message>
        <source>start a new game; this one&apos;s total score %1</source>
        <translation>commencer une nouvelle partie&#xa0;; celle-ci totalise %1</translation>
    </message>
    <message>
        <source>start round %1</source>
        <translation>commencer la manche %1</translation>
    </message>
</context>
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
    <message>
        <source>%1: %2</source>
        <extracomment>A High Scores button: its words (ACTIVE or INACTIVE) and its variant&apos;s title.</extracomment>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>the variant new games play</source>
        <translation>la variante des nouvelles parties</translation>
    </message>
    <message>
        <source>press to play this variant</source>
        <translation>appuyez pour jouer cette variante</translation>
    </message>
    <message>
        <source>%1: games played %2</source>
        <translation>%1&#xa0;: parties jouées %2</translation>
    </message>
    <message>
        <source>%1: average score %2</source>
        <translation>%1&#xa0;: score moyen %2</translation>
    </message>
    <message>
        <source>%1: best score %2</source>
        <translation>%1&#xa0;: meilleur score %2</translation>
    </message>
    <message>
        <source>%1: no best score, no game played yet</source>
        <translation>%1&#xa0;: pas de meilleur score, aucune partie jouée</translation>
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
        <translation>CETTE PARTIE N’A PAS PU ÊTRE ENREGISTRÉE</translation>
    </message>
</context>
<context>
    <name>CGameNews</name>
    <message>
        <source>round %1 score %2</source>
        <translation>score de la manche %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>new game, round %1 of %2</source>
        <translation>nouvelle partie, manche %1 sur %2</translation>
    </message>
    <message>
        <source>round %1 of %2</source>
        <translation>manche %1 sur %2</translation>
    </message>
    <message>
        <source>%1 row %2: %3</source>
        <extracomment>A row judged: &quot;SHAPES row 3: 1 right place, 2 right chip elsewhere&quot;.</extracomment>
        <translation>%1, rangée %2&#xa0;: %3</translation>
    </message>
    <message>
        <source>%1 board closed, solved; the code&apos;s shapes: %2</source>
        <extracomment>%1 is the board&apos;s name, %2 the code&apos;s shapes or colours: &quot;star, heart, club, club&quot;.</extracomment>
        <translation>plateau %1 fermé, résolu&#xa0;; les formes du code&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 board closed, not solved; the code&apos;s shapes: %2</source>
        <translation>plateau %1 fermé, non résolu&#xa0;; les formes du code&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 board closed, solved; the code&apos;s colours: %2</source>
        <translation>plateau %1 fermé, résolu&#xa0;; les couleurs du code&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 board closed, not solved; the code&apos;s colours: %2</source>
        <translation>plateau %1 fermé, non résolu&#xa0;; les couleurs du code&#xa0;: %2</translation>
    </message>
    <message>
        <source>round %1 over, score %2</source>
        <translation>manche %1 terminée, score %2</translation>
    </message>
    <message>
        <source>Game over, total score %1, recorded in the high scores</source>
        <extracomment>%2 is the note THIS GAME COULD NOT BE RECORDED.</extracomment>
        <translation>Partie terminée, score total %1, inscrit aux meilleurs scores</translation>
    </message>
    <message>
        <source>Game over, total score %1, %2</source>
        <translation>Partie terminée, score total %1, %2</translation>
    </message>
</context>
<context>
    <name>CHelpWindow</name>
    <message>
        <source>Vantel Instructions</source>
        <translation>Vantel – Instructions</translation>
    </message>
    <message>
        <source>The instructions could not be opened.</source>
        <translation>Les instructions n’ont pas pu être ouvertes.</translation>
    </message>
</context>
<context>
    <name>CKeyboardPlay</name>
    <message>
        <source>%1 in slot %2</source>
        <translation>%1 dans la case %2</translation>
    </message>
    <message>
        <source>%1 copied into slot %2 of the current row</source>
        <translation>%1 copié dans la case %2 de la rangée en cours</translation>
    </message>
</context>
<context>
    <name>CVantel2Dlg</name>
    <message>
        <source>menu</source>
        <translation>menu</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Instructions</translation>
    </message>
    <message>
        <source>High Scores and Configuration...</source>
        <translation>Meilleurs scores et configuration…</translation>
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
