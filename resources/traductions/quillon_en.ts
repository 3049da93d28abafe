<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="fr_FR">
<context>
    <name>PageIonique</name>
    <message>
        <source>Équilibres ioniques</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Travail  sur la perméabilité membrannaire</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ions des deux compartiments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paroi gauche de la cuve</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paroi droite de la cuve</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fond de la cuve</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Membrane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Intérieur </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Extérieur</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ions K+ intérieurs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clic gauche : ajoute 10, clic droit : retire 10</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ions Na+ intérieurs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anions intérieurs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ions K+ extérieurs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ions Na+ extérieurs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anions extérieurs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Concentration intérieure de Na+</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Concentration intérieure de K+</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Concentration extérieure de K+</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Concentration extérieure de Na+</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[Na]i=</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[K]i=</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[K]e=</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[Na]e=</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Perméabilité au K+ (GK)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Perméabilité au Na+ (GNa)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GK=</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GNa=</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Em=</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EeqK=</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EnaK=</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Échelle du potentiel de membrane (mV)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Em (Ei-Ee)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Courbe du potentiel de membrane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lancer COURBE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EFFACER</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Program.COURBE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pas précédent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;--</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pas suivant</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Essai COURBE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ajouter un pas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>+1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Travail sur le potentiel d&apos;équilibre</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flèche des forces de diffusion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flèche des forces électriques</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fond des compartiments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Forces de diffusion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Forces électriques</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LANCER</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Travail sur la perméabilité membrannaire</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PageStimulation</name>
    <message>
        <source>Simulation de stimulations d&apos;un nerf ou d&apos;une fibre</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Montage expérimental</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Graduation en centimètres</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> cm </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fil de l&apos;anode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fil de la cathode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fil de l&apos;électrode d&apos;enregistrement 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fil de l&apos;électrode d&apos;enregistrement 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nerf</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Espace ou clic : échange les extrémités A et B</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>B</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flèches gauche et droite : déplace d&apos;un pixel, de dix avec Maj</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cathode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Électrode d&apos;enregistrement 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Électrode d&apos;enregistrement 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>+</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> - </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stimulateur</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>STIMULAT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0.0 V</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Intensité de stimulation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deux stimulations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>deux</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Intervalle entre les deux stimulations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enregistreur</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ENREGISTR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nerf ou fibre</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fibre</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Écran d&apos;enregistrement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Artéfact de la première stimulation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Artéfact de la deuxième stimulation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recalcul de l&apos;enregistrement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recalculer l&apos;enregistrement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Graduation en millisecondes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> ms </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Période réfractaire, fréquence maximale des potentiels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Consignes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>La période réfractaire s&apos;obtient en rapprochant
dans le temps deux stimulations 
supra-maximales
du nerf entier.
Quelles sont les conséquences de l&apos;existence
de cette période réfractaire sur la fréquence
des potentiels d&apos;action?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Voir fichier sur la période réfractaire</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Voir fichier sur le recrutement de fibres</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Période réfractaire relative commence à:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Début de la période réfractaire relative (ms)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Réponse : période réfractaire relative</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Période réfractaire absolue commence à:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Début de la période réfractaire absolue (ms)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Réponse : période réfractaire absolue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fréquence maximale des fibres à longue période réfractaire:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fréquence maximale des fibres à longue période réfractaire (Hz)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Réponse : fréquence des fibres à longue période réfractaire</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fréquence maximale des fibres à courte période réfractaire:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fréquence maximale des fibres à courte période réfractaire (Hz)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Réponse : fréquence des fibres à courte période réfractaire</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mesure de la vitesse du potentiel d&apos;action sur la simulation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vitesse du potentiel d&apos;action (m/s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>m/s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Réponse : vitesse du potentiel d&apos;action</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>L&apos;électrode stimulatrice est</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Électrode stimulatrice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>l&apos;anode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>la cathode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Réponse : électrode stimulatrice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quel est le seuil de stimulation des fibres les plus sensibles?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seuil de stimulation (V)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>V</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Réponse : seuil de stimulation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Correction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Charger</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TAboutBox</name>
    <message>
        <source>A propos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A propos de Quillon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Icône de Quillon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>:/art/quillon.png</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Logiciel Quillon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version:1- 2012</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Quillon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pages du logiciel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Accueil</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Informations sur le logiciel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phases de test</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Placez les légendes bleues sur les pointillés</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Coupe transversale d&apos;un nerf</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>:/art/image1.ppm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Schéma d&apos;un neurone à légender</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>:/art/image2.ppm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gaine de myéline</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Axone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Noeud de Ranvier</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Terminaison afférente</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Synapse </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Noyau du corps cellulaire</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Segment initial</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arborisation terminale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Terminaison axonale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arbre dendritique</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Correction des légendes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0 %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Correction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enlever les légendes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stimulation Nerf/Fibre</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Equilibres ioniques</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Champs récepteurs, inhibition latérale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Menu principal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fichier</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vitesse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Taille d&apos;affichage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ouvrir</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enregistrer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compte rendu...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Imprimer le compte rendu...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quitter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Afficher les pot. d&apos;équilibre</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Curseurs de mesure</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>lente</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>moyenne</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>rapide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mise en couleur</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>100 %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>125 %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>150 %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>200 %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Agrandir</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Réduire</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A propos</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TForm_image</name>
    <message>
        <source>Form_image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Figure</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TForm_richedit</name>
    <message>
        <source>Description du logiciel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phases de test</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ligne précédente</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ligne suivante</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Tmise_couleur</name>
    <message>
        <source>Mise en couleur</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Curseurs de couleur</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rouge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bleu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Témoin rouge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Témoin vert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Témoin bleu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aperçu de la couleur</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
