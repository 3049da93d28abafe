<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="fr_FR">
<context>
    <name>AnimationFlux</name>
    <message>
        <source>Forces de diffusion</source>
        <translation>Diffusion force</translation>
    </message>
    <message>
        <source>Forces électriques</source>
        <translation>Electrical force</translation>
    </message>
</context>
<context>
    <name>CalqueCurseurs</name>
    <message>
        <source>Curseurs de mesure</source>
        <translation>Measuring cursors</translation>
    </message>
    <message>
        <source>Curseur %1 : %2</source>
        <translation>Cursor %1: %2</translation>
    </message>
</context>
<context>
    <name>CommandeLangue</name>
    <message>
        <source>La langue choisie sera appliquée au prochain démarrage de Quillon.

Redémarrer maintenant ? Les pages reprendront alors leur état de départ (légendes, réglages, réponses).</source>
        <translation>The chosen language will be used the next time Quillon starts.

Restart now? The pages will then go back to how they were at the start (labels, settings, answers).</translation>
    </message>
    <message>
        <source>Impossible de redémarrer Quillon : la langue choisie sera appliquée au prochain démarrage.</source>
        <translation>Quillon could not be restarted: the chosen language will be used the next time it starts.</translation>
    </message>
</context>
<context>
    <name>CommandeTaille</name>
    <message>
        <source>La taille d&apos;affichage %1 % sera appliquée au prochain démarrage de Quillon.

Redémarrer maintenant ? Les pages reprendront alors leur état de départ (légendes, réglages, réponses).</source>
        <translation>The display size %1% will be used the next time Quillon starts.

Restart now? The pages will then go back to how they were at the start (labels, settings, answers).</translation>
    </message>
    <message>
        <source>La séquence de la page &quot;Equilibres ioniques&quot; n&apos;a pas été enregistrée.

L&apos;enregistrer avant de redémarrer ?</source>
        <translation>The sequence on the &quot;Ionic equilibria&quot; page has not been saved.

Save it before restarting?</translation>
    </message>
    <message>
        <source>Impossible de redémarrer Quillon : la taille choisie sera appliquée au prochain démarrage.</source>
        <translation>Quillon could not be restarted: the chosen size will be used the next time it starts.</translation>
    </message>
    <message>
        <source>Le compte rendu de ce travail n&apos;a pas été enregistré. Redémarrer quand même ?</source>
        <translation>The report on this work has not been saved. Restart anyway?</translation>
    </message>
</context>
<context>
    <name>CommandesFichiers</name>
    <message>
        <source>Rien à enregistrer : aucune séquence n&apos;a été enregistrée ni programmée sur la page &quot;Equilibres ioniques&quot;.</source>
        <translation>Nothing to save: no sequence has been recorded or programmed on the &quot;Ionic equilibria&quot; page.</translation>
    </message>
    <message>
        <source>Le fichier %1 n&apos;est pas un fichier de travail de Quillon.</source>
        <translation>The file %1 is not a Quillon work file.</translation>
    </message>
    <message>
        <source>Impossible d&apos;ouvrir le fichier %1</source>
        <translation>Cannot open the file %1</translation>
    </message>
    <message>
        <source>Le fichier %1 est incomplet : il n&apos;a pas été chargé.</source>
        <translation>The file %1 is incomplete: it has not been loaded.</translation>
    </message>
    <message>
        <source>Enregistrer la séquence avant d&apos;ouvrir un autre fichier ?</source>
        <translation>Save the sequence before opening another file?</translation>
    </message>
    <message>
        <source>Nernst (*.nst);;Fechner (*.fch);;Les deux (*.nst *.fch)</source>
        <translation>Quillon work files (*.nst);;Weight-discrimination files (*.fch);;All Quillon files (*.nst *.fch)</translation>
    </message>
</context>
<context>
    <name>CompteRendu</name>
    <message>
        <source>Aucune imprimante n&apos;est installée.

Enregistrer le compte rendu en PDF à la place ?</source>
        <translation>No printer is installed.

Save the report as a PDF instead?</translation>
    </message>
    <message>
        <source>Imprimer le compte rendu</source>
        <translation>Print the report</translation>
    </message>
    <message>
        <source>Impossible d&apos;imprimer le compte rendu.</source>
        <translation>The report could not be printed.</translation>
    </message>
</context>
<context>
    <name>Dialogues</name>
    <message>
        <source>Compte rendu</source>
        <translation>Report</translation>
    </message>
    <message>
        <source>Noms des élèves</source>
        <translation>Pupils&apos; names</translation>
    </message>
    <message>
        <source>Classe</source>
        <translation>Class</translation>
    </message>
    <message>
        <source>&amp;Noms des élèves :</source>
        <translation>Pupils&apos; &amp;names:</translation>
    </message>
    <message>
        <source>&amp;Classe :</source>
        <translation>&amp;Class:</translation>
    </message>
    <message>
        <source>le contenu n&apos;a pas pu être préparé</source>
        <translation>the content could not be prepared</translation>
    </message>
</context>
<context>
    <name>DossiersUtilisateur</name>
    <message>
        <source>le dossier temporaire est plein ou n&apos;accepte pas d&apos;écriture</source>
        <translation>the temporary folder is full or cannot be written to</translation>
    </message>
    <message>
        <source>Aucun dossier ne peut recevoir de fichier : le dossier de travail, les documents, le dossier personnel et le dossier temporaire sont en lecture seule. Choisissez un dossier où enregistrer (une clé USB, un partage).</source>
        <translation>No folder can take a file: the work folder, the documents folder, the home folder and the temporary folder are all read-only. Choose a folder to save in (a USB stick, a network share).</translation>
    </message>
    <message>
        <source>Le fichier %1 fait partie de Quillon : il ne peut pas être remplacé. Choisissez un autre nom ou un autre dossier.</source>
        <translation>The file %1 is part of Quillon: it cannot be replaced. Choose another name or another folder.</translation>
    </message>
    <message>
        <source>son dossier ne peut pas être créé</source>
        <translation>its folder cannot be created</translation>
    </message>
    <message>
        <source>Quillon ne peut pas garder ses réglages : %1 (%2). Ceux de cette séance valent jusqu&apos;à la fermeture de Quillon.</source>
        <translation>Quillon cannot keep its settings: %1 (%2). Those of this session hold until Quillon closes.</translation>
    </message>
    <message>
        <source>Le fichier %1 a été enregistré dans le dossier temporaire, car le dossier %2 n&apos;accepte pas de fichier. Le dossier temporaire peut être vidé à tout moment : copiez ce fichier sur une clé USB ou un partage.</source>
        <translation>The file %1 was saved in the temporary folder, because the folder %2 does not accept files. The temporary folder may be emptied at any time: copy this file to a USB stick or a shared folder.</translation>
    </message>
    <message>
        <source>Le fichier %1 a été enregistré dans le dossier %2, car le dossier %3 n&apos;accepte pas de fichier.</source>
        <translation>The file %1 was saved in the folder %2, because the folder %3 does not accept files.</translation>
    </message>
</context>
<context>
    <name>Enregistrement</name>
    <message>
        <source>le disque est plein</source>
        <translation>the disk is full</translation>
    </message>
    <message>
        <source>Impossible d&apos;enregistrer le fichier %1 : %2.</source>
        <translation>Cannot save the file %1: %2.</translation>
    </message>
</context>
<context>
    <name>EquilibresIoniques</name>
    <message>
        <source>Lancer COURBE</source>
        <translation>Start recording</translation>
    </message>
    <message>
        <source>EFFACER</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>Program.COURBE</source>
        <translation>Program steps</translation>
    </message>
    <message>
        <source>Essai COURBE</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>STOP</source>
        <translation>STOP</translation>
    </message>
    <message>
        <source>Fin program.</source>
        <translation>End programming</translation>
    </message>
    <message>
        <source>Pas</source>
        <translation>Step</translation>
    </message>
    <message>
        <source>Pas %1 ; </source>
        <translation>Step %1; </translation>
    </message>
    <message>
        <source>Em non tracé</source>
        <translation>Em not plotted</translation>
    </message>
    <message>
        <source>ΔEm : Em non tracé</source>
        <translation>ΔEm: Em not plotted</translation>
    </message>
    <message>
        <source>Nouvelles concentrations : aucun ion K+ n&apos;a encore traversé, Em=0. LANCER : ils traversent jusqu&apos;au nouvel équilibre, où Em vaut EeqK.</source>
        <translation>New concentrations: no K+ ion has crossed yet, Em=0. START: they cross until the new equilibrium, where Em equals EeqK.</translation>
    </message>
</context>
<context>
    <name>ExerciceLegendes</name>
    <message>
        <source>Résultat : juste</source>
        <translation>Result: correct</translation>
    </message>
    <message>
        <source>Résultat : faux</source>
        <translation>Result: wrong</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1%</translation>
    </message>
</context>
<context>
    <name>Figures</name>
    <message>
        <source>Période réfractaire : deux stimulations supramaximales rapprochées</source>
        <translation>Refractory period: two supramaximal stimuli close together</translation>
    </message>
    <message>
        <source>Nerf stimulé deux fois à 1.00 V ; électrode 2 hors du nerf : enregistrement monophasique sous l&apos;électrode 1</source>
        <translation>Nerve stimulated twice at 1.00 V; electrode 2 off the nerve: monophasic recording under electrode 1</translation>
    </message>
    <message>
        <source>intervalle %1 ms</source>
        <translation>interval %1 ms</translation>
    </message>
    <message>
        <source>2ᵉ réponse : %1 %</source>
        <translation>2nd response: %1%</translation>
    </message>
    <message>
        <source>pas de 2ᵉ réponse</source>
        <translation>no 2nd response</translation>
    </message>
    <message>
        <source>potentiel enregistré (unités arbitraires)</source>
        <translation>recorded potential (arbitrary units)</translation>
    </message>
    <message>
        <source>temps après la première stimulation S1 (ms)</source>
        <translation>time after the first stimulus S1 (ms)</translation>
    </message>
    <message>
        <source>réponse normale</source>
        <translation>normal response</translation>
    </message>
    <message>
        <source>période réfractaire relative</source>
        <translation>relative refractory period</translation>
    </message>
    <message>
        <source>période réfractaire absolue</source>
        <translation>absolute refractory period</translation>
    </message>
    <message>
        <source>S1, S2 : stimulations</source>
        <translation>S1, S2: stimuli</translation>
    </message>
    <message>
        <source>Recrutement des fibres : intensité croissante</source>
        <translation>Fibre recruitment: increasing intensity</translation>
    </message>
    <message>
        <source>Une stimulation par enregistrement ; électrode 2 hors du nerf : enregistrement monophasique sous l&apos;électrode 1</source>
        <translation>One stimulus per recording; electrode 2 off the nerve: monophasic recording under electrode 1</translation>
    </message>
    <message>
        <source>temps après la stimulation S (ms)</source>
        <translation>time after the stimulus S (ms)</translation>
    </message>
    <message>
        <source> : pas de réponse</source>
        <translation>: no response</translation>
    </message>
    <message>
        <source> V et </source>
        <translation> V and </translation>
    </message>
    <message>
        <source>%1 : %2 u. a.</source>
        <translation>%1: %2 a.u.</translation>
    </message>
    <message>
        <source>Amplitude de la réponse</source>
        <translation>Amplitude of the response</translation>
    </message>
    <message>
        <source>selon l&apos;intensité de stimulation</source>
        <translation>against stimulus intensity</translation>
    </message>
    <message>
        <source>intensité (V)</source>
        <translation>intensity (V)</translation>
    </message>
    <message>
        <source>amplitude (u. a.)</source>
        <translation>amplitude (a.u.)</translation>
    </message>
    <message>
        <source>seuil</source>
        <translation>threshold</translation>
    </message>
    <message>
        <source>maximum</source>
        <translation>maximum</translation>
    </message>
    <message>
        <source>Sous le seuil (0.20 V), aucune fibre ne répond. Au seuil, la réponse vaut déjà 0.2 / 0.7, environ 29&#xa0;% de la réponse maximale dans ce modèle ; au-delà, elle croît avec l&apos;intensité : de plus en plus de fibres sont recrutées. À partir de 0.70 V, toutes les fibres répondent : l&apos;amplitude ne change plus. Unités arbitraires, comme à l&apos;écran.</source>
        <translation>Below the threshold (0.20 V), no fibre responds. At the threshold the response is already 0.2 / 0.7, about 29% of the maximum response in this model; above it, the response grows with the intensity: more and more fibres are recruited. From 0.70 V on, all the fibres respond: the amplitude does not change any more. Arbitrary units, as on the screen.</translation>
    </message>
</context>
<context>
    <name>Jpeg</name>
    <message>
        <source>Fichier JPEG vide.</source>
        <translation>Empty JPEG file.</translation>
    </message>
    <message>
        <source>Image JPEG trop grande : %1 x %2 pixels (%3 x %3 au plus).</source>
        <translation>JPEG image too large: %1 x %2 pixels (%3 x %3 at most).</translation>
    </message>
    <message>
        <source>Mémoire insuffisante pour une image JPEG de %1 x %2 pixels.</source>
        <translation>Not enough memory for a JPEG image of %1 x %2 pixels.</translation>
    </message>
    <message>
        <source>Image JPEG progressive refusée : plus de %1 passes.</source>
        <translation>Progressive JPEG image refused: more than %1 scans.</translation>
    </message>
    <message>
        <source>Image JPEG illisible : %1</source>
        <translation>Unreadable JPEG image: %1</translation>
    </message>
    <message>
        <source>Image JPEG endommagée : %1</source>
        <translation>Damaged JPEG image: %1</translation>
    </message>
</context>
<context>
    <name>Langue</name>
    <message>
        <source>Français</source>
        <translation>English</translation>
    </message>
</context>
<context>
    <name>MenuSorties</name>
    <message>
        <source>Menu de l&apos;image</source>
        <translation>Picture menu</translation>
    </message>
    <message>
        <source>Copier l&apos;image</source>
        <translation>Copy the picture</translation>
    </message>
    <message>
        <source>Enregistrer l&apos;image...</source>
        <translation>Save the picture...</translation>
    </message>
    <message>
        <source>Exporter les valeurs...</source>
        <translation>Export the values...</translation>
    </message>
    <message>
        <source>Image PNG (*.png)</source>
        <translation>PNG image (*.png)</translation>
    </message>
    <message>
        <source>Tableur, points-virgules (*.csv)</source>
        <translation>Spreadsheet, comma-separated (*.csv)</translation>
    </message>
</context>
<context>
    <name>Merlade</name>
    <message>
        <source>Impossible de créer le fichier %1</source>
        <translation>Cannot create the file %1</translation>
    </message>
    <message>
        <source>Erreur d&apos;écriture du fichier %1</source>
        <translation>Error writing the file %1</translation>
    </message>
</context>
<context>
    <name>MiseEnCouleur</name>
    <message>
        <source>Impossible d&apos;ouvrir le fichier %1</source>
        <translation>Cannot open the file %1</translation>
    </message>
</context>
<context>
    <name>MiseEnPageRapport</name>
    <message>
        <source>%1 — classe : %2</source>
        <translation>%1 — class: %2</translation>
    </message>
    <message>
        <source>(sans nom)</source>
        <translation>(no name)</translation>
    </message>
    <message>
        <source>Quillon %1 — compte rendu</source>
        <translation>Quillon %1 — report</translation>
    </message>
    <message>
        <source>page %1 / %2</source>
        <translation>page %1 / %2</translation>
    </message>
    <message>
        <source>Compte rendu</source>
        <translation>Report</translation>
    </message>
    <message>
        <source>Aucune partie du travail pratique n&apos;a encore été faite : ni légendes placées, ni stimulation, ni équilibres ioniques.</source>
        <translation>No part of the practical has been done yet: no labels placed, no stimulation, no ionic equilibria.</translation>
    </message>
    <message>
        <source>Compte rendu Quillon — %1</source>
        <translation>Quillon report — %1</translation>
    </message>
</context>
<context>
    <name>NomsProposes</name>
    <message>
        <source>_yyyy-MM-dd_HH&apos;h&apos;mm.</source>
        <translation>_yyyy-MM-dd_HHmm.</translation>
    </message>
    <message>
        <source>neurone</source>
        <translation>neurone</translation>
    </message>
    <message>
        <source>compte_rendu_%1%2.pdf</source>
        <translation>report_%1%2.pdf</translation>
    </message>
    <message>
        <source>courbe</source>
        <translation>chart</translation>
    </message>
    <message>
        <source>compartiments</source>
        <translation>compartments</translation>
    </message>
    <message>
        <source>stimulation</source>
        <translation>stimulation</translation>
    </message>
</context>
<context>
    <name>PageAccueil</name>
    <message>
        <source>Place à légender</source>
        <translation>Place for a label</translation>
    </message>
</context>
<context>
    <name>PageIonique</name>
    <message>
        <source>Équilibres ioniques</source>
        <translation>Ionic equilibria</translation>
    </message>
    <message>
        <source>Travail  sur la perméabilité membrannaire</source>
        <translation>Work on membrane permeability</translation>
    </message>
    <message>
        <source>Ions des deux compartiments</source>
        <translation>Ions of both compartments</translation>
    </message>
    <message>
        <source>Paroi gauche de la cuve</source>
        <translation>Left wall of the tank</translation>
    </message>
    <message>
        <source>Paroi droite de la cuve</source>
        <translation>Right wall of the tank</translation>
    </message>
    <message>
        <source>Fond de la cuve</source>
        <translation>Bottom of the tank</translation>
    </message>
    <message>
        <source>Membrane</source>
        <translation>Membrane</translation>
    </message>
    <message>
        <source>Intérieur </source>
        <translation>Inside </translation>
    </message>
    <message>
        <source>Extérieur</source>
        <translation>Outside</translation>
    </message>
    <message>
        <source>Ions K+ intérieurs</source>
        <translation>Inside K+ ions</translation>
    </message>
    <message>
        <source>Clic gauche : ajoute 10, clic droit : retire 10</source>
        <translation>Left click: adds 10, right click: removes 10</translation>
    </message>
    <message>
        <source>Ions Na+ intérieurs</source>
        <translation>Inside Na+ ions</translation>
    </message>
    <message>
        <source>Anions intérieurs</source>
        <translation>Inside anions</translation>
    </message>
    <message>
        <source>Ions K+ extérieurs</source>
        <translation>Outside K+ ions</translation>
    </message>
    <message>
        <source>Ions Na+ extérieurs</source>
        <translation>Outside Na+ ions</translation>
    </message>
    <message>
        <source>Anions extérieurs</source>
        <translation>Outside anions</translation>
    </message>
    <message>
        <source>Concentration intérieure de Na+</source>
        <translation>Inside Na+ concentration</translation>
    </message>
    <message>
        <source>Concentration intérieure de K+</source>
        <translation>Inside K+ concentration</translation>
    </message>
    <message>
        <source>Concentration extérieure de K+</source>
        <translation>Outside K+ concentration</translation>
    </message>
    <message>
        <source>Concentration extérieure de Na+</source>
        <translation>Outside Na+ concentration</translation>
    </message>
    <message>
        <source>[Na]i=</source>
        <translation>[Na]i=</translation>
    </message>
    <message>
        <source>[K]i=</source>
        <translation>[K]i=</translation>
    </message>
    <message>
        <source>[K]e=</source>
        <translation>[K]e=</translation>
    </message>
    <message>
        <source>[Na]e=</source>
        <translation>[Na]e=</translation>
    </message>
    <message>
        <source>Perméabilité au K+ (GK)</source>
        <translation>K+ permeability (GK)</translation>
    </message>
    <message>
        <source>Perméabilité au Na+ (GNa)</source>
        <translation>Na+ permeability (GNa)</translation>
    </message>
    <message>
        <source>GK=</source>
        <translation>GK=</translation>
    </message>
    <message>
        <source>GNa=</source>
        <translation>GNa=</translation>
    </message>
    <message>
        <source>Em=</source>
        <translation>Em=</translation>
    </message>
    <message>
        <source>EeqK=</source>
        <translation>EeqK=</translation>
    </message>
    <message>
        <source>EnaK=</source>
        <translation>ENa=</translation>
    </message>
    <message>
        <source>Échelle du potentiel de membrane (mV)</source>
        <translation>Membrane potential scale (mV)</translation>
    </message>
    <message>
        <source>Em (Ei-Ee)</source>
        <translation>Em (Ei-Ee)</translation>
    </message>
    <message>
        <source>Courbe du potentiel de membrane</source>
        <translation>Membrane potential curve</translation>
    </message>
    <message>
        <source>Lancer COURBE</source>
        <translation>Start recording</translation>
    </message>
    <message>
        <source>EFFACER</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>Program.COURBE</source>
        <translation>Program steps</translation>
    </message>
    <message>
        <source>Pas précédent</source>
        <translation>Previous step</translation>
    </message>
    <message>
        <source>&lt;--</source>
        <translation>&lt;--</translation>
    </message>
    <message>
        <source>Pas suivant</source>
        <translation>Next step</translation>
    </message>
    <message>
        <source>--&gt;</source>
        <translation>--&gt;</translation>
    </message>
    <message>
        <source>Essai COURBE</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>Ajouter un pas</source>
        <translation>Add a step</translation>
    </message>
    <message>
        <source>+1</source>
        <translation>+1</translation>
    </message>
    <message>
        <source>Travail sur le potentiel d&apos;équilibre</source>
        <translation>Work on the equilibrium potential</translation>
    </message>
    <message>
        <source>Flèche des forces de diffusion</source>
        <translation>Diffusion force arrow</translation>
    </message>
    <message>
        <source>Flèche des forces électriques</source>
        <translation>Electrical force arrow</translation>
    </message>
    <message>
        <source>Fond des compartiments</source>
        <translation>Background of the compartments</translation>
    </message>
    <message>
        <source>Forces de diffusion</source>
        <translation>Diffusion force</translation>
    </message>
    <message>
        <source>Forces électriques</source>
        <translation>Electrical force</translation>
    </message>
    <message>
        <source>LANCER</source>
        <translation>START</translation>
    </message>
    <message>
        <source>Travail sur la perméabilité membrannaire</source>
        <translation>Work on membrane permeability</translation>
    </message>
    <message>
        <source>STOP</source>
        <translation>STOP</translation>
    </message>
</context>
<context>
    <name>PageStimulation</name>
    <message>
        <source>Simulation de stimulations d&apos;un nerf ou d&apos;une fibre</source>
        <translation>Simulated stimulation of a nerve or a fibre</translation>
    </message>
    <message>
        <source>Montage expérimental</source>
        <translation>Experimental set-up</translation>
    </message>
    <message>
        <source>Graduation en centimètres</source>
        <translation>Scale in centimetres</translation>
    </message>
    <message>
        <source> cm </source>
        <translation> cm </translation>
    </message>
    <message>
        <source>Fil de l&apos;anode</source>
        <translation>Anode wire</translation>
    </message>
    <message>
        <source>Fil de la cathode</source>
        <translation>Cathode wire</translation>
    </message>
    <message>
        <source>Fil de l&apos;électrode d&apos;enregistrement 1</source>
        <translation>Recording electrode 1 wire</translation>
    </message>
    <message>
        <source>Fil de l&apos;électrode d&apos;enregistrement 2</source>
        <translation>Recording electrode 2 wire</translation>
    </message>
    <message>
        <source>Nerf</source>
        <translation>Nerve</translation>
    </message>
    <message>
        <source>Espace ou clic : échange les extrémités A et B</source>
        <translation>Space or click: swaps ends A and B</translation>
    </message>
    <message>
        <source>A</source>
        <translation>A</translation>
    </message>
    <message>
        <source>B</source>
        <translation>B</translation>
    </message>
    <message>
        <source>Anode</source>
        <translation>Anode</translation>
    </message>
    <message>
        <source>Flèches gauche et droite : déplace d&apos;un pixel, de dix avec Maj</source>
        <translation>Left and right arrows: move by one pixel, by ten with Shift</translation>
    </message>
    <message>
        <source>Cathode</source>
        <translation>Cathode</translation>
    </message>
    <message>
        <source>Électrode d&apos;enregistrement 1</source>
        <translation>Recording electrode 1</translation>
    </message>
    <message>
        <source>Électrode d&apos;enregistrement 2</source>
        <translation>Recording electrode 2</translation>
    </message>
    <message>
        <source>+</source>
        <translation>+</translation>
    </message>
    <message>
        <source> - </source>
        <translation> - </translation>
    </message>
    <message>
        <source>Stimulateur</source>
        <translation>Stimulator</translation>
    </message>
    <message>
        <source>STIMULAT</source>
        <translation>STIMUL.</translation>
    </message>
    <message>
        <source>0.0 V</source>
        <translation>0.0 V</translation>
    </message>
    <message>
        <source>Intensité de stimulation</source>
        <translation>Stimulus intensity</translation>
    </message>
    <message>
        <source>Deux stimulations</source>
        <translation>Two stimuli</translation>
    </message>
    <message>
        <source>deux</source>
        <translation>two</translation>
    </message>
    <message>
        <source>Intervalle entre les deux stimulations</source>
        <translation>Interval between the two stimuli</translation>
    </message>
    <message>
        <source>Enregistreur</source>
        <translation>Recorder</translation>
    </message>
    <message>
        <source>ENREGISTR</source>
        <translation>RECORDER</translation>
    </message>
    <message>
        <source>Nerf ou fibre</source>
        <translation>Nerve or fibre</translation>
    </message>
    <message>
        <source>Fibre</source>
        <translation>Fibre</translation>
    </message>
    <message>
        <source>Écran d&apos;enregistrement</source>
        <translation>Recording screen</translation>
    </message>
    <message>
        <source>Artéfact de la première stimulation</source>
        <translation>Artefact of the first stimulus</translation>
    </message>
    <message>
        <source>Artéfact de la deuxième stimulation</source>
        <translation>Artefact of the second stimulus</translation>
    </message>
    <message>
        <source>Recalcul de l&apos;enregistrement</source>
        <translation>Recalculating the recording</translation>
    </message>
    <message>
        <source>Recalculer l&apos;enregistrement</source>
        <translation>Recalculate the recording</translation>
    </message>
    <message>
        <source>Graduation en millisecondes</source>
        <translation>Scale in milliseconds</translation>
    </message>
    <message>
        <source> ms </source>
        <translation> ms </translation>
    </message>
    <message>
        <source>Période réfractaire, fréquence maximale des potentiels</source>
        <translation>Refractory period, maximum frequency of potentials</translation>
    </message>
    <message>
        <source>Consignes</source>
        <translation>Instructions</translation>
    </message>
    <message>
        <source>La période réfractaire s&apos;obtient en rapprochant
dans le temps deux stimulations 
supra-maximales
du nerf entier.
Quelles sont les conséquences de l&apos;existence
de cette période réfractaire sur la fréquence
des potentiels d&apos;action?</source>
        <translation>The refractory period is found by bringing
two supramaximal stimuli of the whole nerve
closer together in time.
What are the consequences of this
refractory period for the frequency
of action potentials?</translation>
    </message>
    <message>
        <source>Voir fichier sur la période réfractaire</source>
        <translation>Show figure: refractory period</translation>
    </message>
    <message>
        <source>Voir fichier sur le recrutement de fibres</source>
        <translation>Show figure: fibre recruitment</translation>
    </message>
    <message>
        <source>Période réfractaire relative commence à:</source>
        <translation>Relative refractory period ends at:</translation>
    </message>
    <message>
        <source>Début de la période réfractaire relative (ms)</source>
        <translation>Relative refractory period ends at: shortest interval with a full 2nd response (ms)</translation>
    </message>
    <message>
        <source>ms</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>Réponse : période réfractaire relative</source>
        <translation>Answer: relative refractory period</translation>
    </message>
    <message>
        <source>Période réfractaire absolue commence à:</source>
        <translation>Absolute refractory period ends at:</translation>
    </message>
    <message>
        <source>Début de la période réfractaire absolue (ms)</source>
        <translation>Absolute refractory period ends at: interval at which the 2nd response disappears (ms)</translation>
    </message>
    <message>
        <source>Réponse : période réfractaire absolue</source>
        <translation>Answer: absolute refractory period</translation>
    </message>
    <message>
        <source>Fréquence maximale des fibres à longue période réfractaire:</source>
        <translation>Maximum frequency of long refractory period fibres:</translation>
    </message>
    <message>
        <source>Fréquence maximale des fibres à longue période réfractaire (Hz)</source>
        <translation>Maximum frequency of long refractory period fibres (Hz)</translation>
    </message>
    <message>
        <source>Hz</source>
        <translation>Hz</translation>
    </message>
    <message>
        <source>Réponse : fréquence des fibres à longue période réfractaire</source>
        <translation>Answer: frequency of long refractory period fibres</translation>
    </message>
    <message>
        <source>Fréquence maximale des fibres à courte période réfractaire:</source>
        <translation>Maximum frequency of short refractory period fibres:</translation>
    </message>
    <message>
        <source>Fréquence maximale des fibres à courte période réfractaire (Hz)</source>
        <translation>Maximum frequency of short refractory period fibres (Hz)</translation>
    </message>
    <message>
        <source>Réponse : fréquence des fibres à courte période réfractaire</source>
        <translation>Answer: frequency of short refractory period fibres</translation>
    </message>
    <message>
        <source>Mesure de la vitesse du potentiel d&apos;action sur la simulation</source>
        <translation>Conduction velocity measured on the simulation:</translation>
    </message>
    <message>
        <source>Vitesse du potentiel d&apos;action (m/s)</source>
        <translation>Conduction velocity (m/s)</translation>
    </message>
    <message>
        <source>m/s</source>
        <translation>m/s</translation>
    </message>
    <message>
        <source>Réponse : vitesse du potentiel d&apos;action</source>
        <translation>Answer: conduction velocity</translation>
    </message>
    <message>
        <source>L&apos;électrode stimulatrice est</source>
        <translation>Stimulating electrode:</translation>
    </message>
    <message>
        <source>Électrode stimulatrice</source>
        <translation>Stimulating electrode</translation>
    </message>
    <message>
        <source>l&apos;anode</source>
        <translation>the anode</translation>
    </message>
    <message>
        <source>la cathode</source>
        <translation>the cathode</translation>
    </message>
    <message>
        <source>Réponse : électrode stimulatrice</source>
        <translation>Answer: stimulating electrode</translation>
    </message>
    <message>
        <source>Quel est le seuil de stimulation des fibres les plus sensibles?</source>
        <translation>What is the stimulation threshold of the most sensitive fibres?</translation>
    </message>
    <message>
        <source>Seuil de stimulation (V)</source>
        <translation>Stimulation threshold (V)</translation>
    </message>
    <message>
        <source>V</source>
        <translation>V</translation>
    </message>
    <message>
        <source>Réponse : seuil de stimulation</source>
        <translation>Answer: stimulation threshold</translation>
    </message>
    <message>
        <source>Correction</source>
        <translation>Check</translation>
    </message>
    <message>
        <source>Charger</source>
        <translation>Load</translation>
    </message>
    <message>
        <source>Résultat : non corrigé</source>
        <translation>Result: not checked</translation>
    </message>
    <message>
        <source>Résultat : juste</source>
        <translation>Result: correct</translation>
    </message>
    <message>
        <source>Résultat : faux</source>
        <translation>Result: wrong</translation>
    </message>
    <message>
        <source>Réponse modifiée après la correction : non corrigée</source>
        <translation>Answer changed since the correction: not checked</translation>
    </message>
</context>
<context>
    <name>SectionsRapport</name>
    <message>
        <source>%1 et %2 hors du nerf</source>
        <translation>%1 and %2 off the nerve</translation>
    </message>
    <message>
        <source>%1 hors du nerf</source>
        <translation>%1 off the nerve</translation>
    </message>
    <message>
        <source>Résultat : juste</source>
        <translation>Result: correct</translation>
    </message>
    <message>
        <source>Résultat : faux</source>
        <translation>Result: wrong</translation>
    </message>
    <message>
        <source>modifiée après la correction</source>
        <translation>changed after checking</translation>
    </message>
    <message>
        <source>Résultat : non corrigé</source>
        <translation>Result: not checked</translation>
    </message>
    <message>
        <source>Légendes du neurone</source>
        <translation>Labelling the neurone</translation>
    </message>
    <message>
        <source>« %1 » : modifiée après la correction</source>
        <translation>&quot;%1&quot;: changed after checking</translation>
    </message>
    <message>
        <source>Correction : pas encore demandée</source>
        <translation>Labels not checked</translation>
    </message>
    <message>
        <source>Correction : %1</source>
        <translation>Labels: %1 correct</translation>
    </message>
    <message>
        <source>Correction : pas de score, des légendes ont été modifiées après la correction</source>
        <translation>Labels: no score, labels were moved after checking</translation>
    </message>
    <message>
        <source>Stimulation d&apos;un nerf ou d&apos;une fibre</source>
        <translation>Stimulating a nerve or a fibre</translation>
    </message>
    <message>
        <source>anode</source>
        <translation>anode</translation>
    </message>
    <message>
        <source>cathode</source>
        <translation>cathode</translation>
    </message>
    <message>
        <source>électrode 1</source>
        <translation>electrode 1</translation>
    </message>
    <message>
        <source>électrode 2</source>
        <translation>electrode 2</translation>
    </message>
    <message>
        <source>Intensité de stimulation : %1 V</source>
        <translation>Stimulus intensity: %1 V</translation>
    </message>
    <message>
        <source>Polarité : anode à %1 de la cathode</source>
        <translation>Polarity: anode to the %1 of the cathode</translation>
    </message>
    <message>
        <source>gauche</source>
        <translation>left</translation>
    </message>
    <message>
        <source>droite</source>
        <translation>right</translation>
    </message>
    <message>
        <source>Stimulation : %1</source>
        <translation>Stimulation: %1</translation>
    </message>
    <message>
        <source>Fibre</source>
        <translation>Fibre</translation>
    </message>
    <message>
        <source>Nerf</source>
        <translation>Nerve</translation>
    </message>
    <message>
        <source>Seconde stimulation : oui, %1 ms après la première</source>
        <translation>Second stimulus: yes, %1 ms after the first</translation>
    </message>
    <message>
        <source>Seconde stimulation : non</source>
        <translation>Second stimulus: no</translation>
    </message>
    <message>
        <source>Anode - cathode : %1</source>
        <translation>Anode - cathode: %1</translation>
    </message>
    <message>
        <source>Cathode - électrode d&apos;enregistrement 1 : %1</source>
        <translation>Cathode - recording electrode 1: %1</translation>
    </message>
    <message>
        <source>Électrode d&apos;enregistrement 1 - électrode 2 : %1</source>
        <translation>Recording electrode 1 - electrode 2: %1</translation>
    </message>
    <message>
        <source>Équilibres ioniques</source>
        <translation>Ionic equilibria</translation>
    </message>
    <message>
        <source>(sans réponse)</source>
        <translation>(no answer)</translation>
    </message>
    <message>
        <source>%1 : %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>EK : %1 mV</source>
        <translation>EK: %1 mV</translation>
    </message>
    <message>
        <source>ENa : %1 mV</source>
        <translation>ENa: %1 mV</translation>
    </message>
    <message>
        <source>Em : %1 mV</source>
        <translation>Em: %1 mV</translation>
    </message>
</context>
<context>
    <name>TAboutBox</name>
    <message>
        <source>A propos</source>
        <translation>About</translation>
    </message>
    <message>
        <source>A propos de Quillon</source>
        <translation>About Quillon</translation>
    </message>
    <message>
        <source>Icône de Quillon</source>
        <translation>Quillon icon</translation>
    </message>
    <message>
        <source>:/art/quillon.png</source>
        <translation>:/art/quillon.png</translation>
    </message>
    <message>
        <source>Logiciel Quillon</source>
        <translation>Quillon software</translation>
    </message>
    <message>
        <source>Version:1- 2012</source>
        <translation>Version:1- 2012</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Quillon</source>
        <translation>Quillon</translation>
    </message>
    <message>
        <source>Pages du logiciel</source>
        <translation>Pages of the program</translation>
    </message>
    <message>
        <source>Accueil</source>
        <translation>Home</translation>
    </message>
    <message>
        <source>Informations sur le logiciel</source>
        <translation>Program information</translation>
    </message>
    <message>
        <source>Phases de test</source>
        <translation>Test phases</translation>
    </message>
    <message>
        <source>Placez les légendes bleues sur les pointillés</source>
        <translation>Place the labels on places marked *****</translation>
    </message>
    <message>
        <source>Coupe transversale d&apos;un nerf</source>
        <translation>Cross-section of a nerve</translation>
    </message>
    <message>
        <source>:/art/image1.ppm</source>
        <translation>:/art/image1.ppm</translation>
    </message>
    <message>
        <source>Schéma d&apos;un neurone à légender</source>
        <translation>Diagram of a neurone to label</translation>
    </message>
    <message>
        <source>:/art/image2.ppm</source>
        <translation>:/art/image2.ppm</translation>
    </message>
    <message>
        <source>Gaine de myéline</source>
        <translation>Myelin sheath</translation>
    </message>
    <message>
        <source>Axone</source>
        <translation>Axon</translation>
    </message>
    <message>
        <source>Noeud de Ranvier</source>
        <translation>Node of Ranvier</translation>
    </message>
    <message>
        <source>Terminaison afférente</source>
        <translation>Presynaptic ending</translation>
    </message>
    <message>
        <source>Synapse </source>
        <translation>Synapse </translation>
    </message>
    <message>
        <source>Noyau du corps cellulaire</source>
        <translation>Nucleus</translation>
    </message>
    <message>
        <source>Segment initial</source>
        <translation>Axon hillock</translation>
    </message>
    <message>
        <source>Arborisation terminale</source>
        <translation>Terminal branches</translation>
    </message>
    <message>
        <source>Terminaison axonale</source>
        <translation>Synaptic knob</translation>
    </message>
    <message>
        <source>Arbre dendritique</source>
        <translation>Dendrites</translation>
    </message>
    <message>
        <source>Correction des légendes</source>
        <translation>Check the labels</translation>
    </message>
    <message>
        <source>0 %</source>
        <translation>0%</translation>
    </message>
    <message>
        <source>Correction</source>
        <translation>Check</translation>
    </message>
    <message>
        <source>Enlever les légendes</source>
        <translation>Remove the labels</translation>
    </message>
    <message>
        <source>Stimulation Nerf/Fibre</source>
        <translation>Nerve/Fibre Stimulation</translation>
    </message>
    <message>
        <source>Equilibres ioniques</source>
        <translation>Ionic equilibria</translation>
    </message>
    <message>
        <source>Champs récepteurs, inhibition latérale</source>
        <translation>Receptive fields, lateral inhibition</translation>
    </message>
    <message>
        <source>Menu principal</source>
        <translation>Main menu</translation>
    </message>
    <message>
        <source>Compte rendu...</source>
        <translation>Report...</translation>
    </message>
    <message>
        <source>Onglets des pages</source>
        <translation>Page tabs</translation>
    </message>
    <message>
        <source>Page vide</source>
        <translation>Empty page</translation>
    </message>
    <message>
        <source>Tableau de mesures</source>
        <translation>Table of measurements</translation>
    </message>
    <message>
        <source>Impossible d&apos;ouvrir le fichier %1</source>
        <translation>Cannot open the file %1</translation>
    </message>
    <message>
        <source>Aucun programme de cet ordinateur ne peut ouvrir le document des enseignants :
%1</source>
        <translation>No program on this computer can open the teachers&apos; document:
%1</translation>
    </message>
    <message>
        <source>Mesure de la période réfractaire</source>
        <translation>Measuring the refractory period</translation>
    </message>
    <message>
        <source>Mesure du recrutement des fibres</source>
        <translation>Measuring fibre recruitment</translation>
    </message>
    <message>
        <source>Enregistrer la séquence avant de quitter ?</source>
        <translation>Save the sequence before quitting?</translation>
    </message>
    <message>
        <source>Le compte rendu de ce travail n&apos;a pas été enregistré. Quitter quand même ?</source>
        <translation>The report on this work has not been saved. Quit anyway?</translation>
    </message>
    <message>
        <source>&amp;Fichier</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;Vitesse</source>
        <translation>S&amp;peed</translation>
    </message>
    <message>
        <source>&amp;Taille d&apos;affichage</source>
        <translation>&amp;Display size</translation>
    </message>
    <message>
        <source>&amp;Langue</source>
        <translation>&amp;Language</translation>
    </message>
    <message>
        <source>&amp;Ouvrir</source>
        <translation>&amp;Open</translation>
    </message>
    <message>
        <source>&amp;Enregistrer</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>&amp;Compte rendu...</source>
        <translation>&amp;Report...</translation>
    </message>
    <message>
        <source>&amp;Imprimer le compte rendu...</source>
        <translation>&amp;Print report...</translation>
    </message>
    <message>
        <source>Informations sur le &amp;logiciel</source>
        <translation>Program &amp;information</translation>
    </message>
    <message>
        <source>&amp;Quitter</source>
        <translation>&amp;Quit</translation>
    </message>
    <message>
        <source>&amp;Afficher les pot. d&apos;équilibre</source>
        <translation>&amp;Show equilibrium potentials</translation>
    </message>
    <message>
        <source>&amp;Curseurs de mesure</source>
        <translation>&amp;Measuring cursors</translation>
    </message>
    <message>
        <source>&amp;lente</source>
        <translation>&amp;slow</translation>
    </message>
    <message>
        <source>&amp;moyenne</source>
        <translation>&amp;medium</translation>
    </message>
    <message>
        <source>&amp;rapide</source>
        <translation>&amp;fast</translation>
    </message>
    <message>
        <source>&amp;Mise en couleur</source>
        <translation>&amp;Colours</translation>
    </message>
    <message>
        <source>&amp;100 %</source>
        <translation>&amp;100%</translation>
    </message>
    <message>
        <source>1&amp;25 %</source>
        <translation>1&amp;25%</translation>
    </message>
    <message>
        <source>1&amp;50 %</source>
        <translation>1&amp;50%</translation>
    </message>
    <message>
        <source>2&amp;00 %</source>
        <translation>2&amp;00%</translation>
    </message>
    <message>
        <source>&amp;Agrandir</source>
        <translation>&amp;Enlarge</translation>
    </message>
    <message>
        <source>&amp;Réduire</source>
        <translation>&amp;Reduce</translation>
    </message>
    <message>
        <source>&amp;A propos</source>
        <translation>&amp;About</translation>
    </message>
</context>
<context>
    <name>TForm_image</name>
    <message>
        <source>Form_image</source>
        <translation>Figure</translation>
    </message>
    <message>
        <source>Figure</source>
        <translation>Figure</translation>
    </message>
    <message>
        <source>Impossible d&apos;ouvrir le fichier %1</source>
        <translation>Cannot open the file %1</translation>
    </message>
</context>
<context>
    <name>TForm_richedit</name>
    <message>
        <source>Description du logiciel</source>
        <translation>Description of the program</translation>
    </message>
    <message>
        <source>Phases de test</source>
        <translation>Test phases</translation>
    </message>
    <message>
        <source>Ligne précédente</source>
        <translation>Previous line</translation>
    </message>
    <message>
        <source>Ligne suivante</source>
        <translation>Next line</translation>
    </message>
    <message>
        <source>Enregistrer</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Impossible d&apos;ouvrir le fichier %1</source>
        <translation>Cannot open the file %1</translation>
    </message>
    <message>
        <source>Impossible de créer le fichier %1</source>
        <translation>Cannot create the file %1</translation>
    </message>
</context>
<context>
    <name>Tmise_couleur</name>
    <message>
        <source>Mise en couleur</source>
        <translation>Colours</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Aide</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Curseurs de couleur</source>
        <translation>Colour sliders</translation>
    </message>
    <message>
        <source>Rouge</source>
        <translation>Red</translation>
    </message>
    <message>
        <source>Vert</source>
        <translation>Green</translation>
    </message>
    <message>
        <source>Bleu</source>
        <translation>Blue</translation>
    </message>
    <message>
        <source>Témoin rouge</source>
        <translation>Red sample</translation>
    </message>
    <message>
        <source>Témoin vert</source>
        <translation>Green sample</translation>
    </message>
    <message>
        <source>Témoin bleu</source>
        <translation>Blue sample</translation>
    </message>
    <message>
        <source>Aperçu de la couleur</source>
        <translation>Colour preview</translation>
    </message>
    <message>
        <source>Les trois barres mélangent du rouge, du vert et du bleu : la case montre la couleur obtenue (plus un curseur est haut, plus sa couleur est forte : les trois en haut donnent le blanc, les trois en bas le noir).

« OK » peint le fond de la page affichée de cette couleur ; elle est gardée et revient au prochain démarrage. « Annuler » laisse la couleur d&apos;avant.</source>
        <translation>The three sliders mix red, green and blue: the box shows the colour you get (the higher a slider, the stronger its colour: all three at the top give white, all three at the bottom black).

&quot;OK&quot; paints the background of the page shown in this colour; it is kept and comes back at the next start. &quot;Cancel&quot; keeps the colour as it was.</translation>
    </message>
</context>
<context>
    <name>ValeursStimulation</name>
    <message>
        <source>Intensité (V)</source>
        <translation>Intensity (V)</translation>
    </message>
    <message>
        <source>Polarité</source>
        <translation>Polarity</translation>
    </message>
    <message>
        <source>inversée</source>
        <translation>reversed</translation>
    </message>
    <message>
        <source>normale</source>
        <translation>normal</translation>
    </message>
    <message>
        <source>Nerf ou fibre</source>
        <translation>Nerve or fibre</translation>
    </message>
    <message>
        <source>Fibre</source>
        <translation>Fibre</translation>
    </message>
    <message>
        <source>Nerf</source>
        <translation>Nerve</translation>
    </message>
    <message>
        <source>Deuxième stimulation</source>
        <translation>Second stimulus</translation>
    </message>
    <message>
        <source>oui</source>
        <translation>yes</translation>
    </message>
    <message>
        <source>non</source>
        <translation>no</translation>
    </message>
    <message>
        <source>Intervalle (ms)</source>
        <translation>Interval (ms)</translation>
    </message>
    <message>
        <source>Anode (cm)</source>
        <translation>Anode (cm)</translation>
    </message>
    <message>
        <source>Cathode (cm)</source>
        <translation>Cathode (cm)</translation>
    </message>
    <message>
        <source>Électrode 1 (cm)</source>
        <translation>Electrode 1 (cm)</translation>
    </message>
    <message>
        <source>Électrode 2 (cm)</source>
        <translation>Electrode 2 (cm)</translation>
    </message>
    <message>
        <source>Temps (ms)</source>
        <translation>Time (ms)</translation>
    </message>
    <message>
        <source>Électrode 1 (u.a.)</source>
        <translation>Electrode 1 (a.u.)</translation>
    </message>
    <message>
        <source>Électrode 2 (u.a.)</source>
        <translation>Electrode 2 (a.u.)</translation>
    </message>
    <message>
        <source>Différence à l&apos;écran (u.a.)</source>
        <translation>Difference on screen (a.u.)</translation>
    </message>
    <message>
        <source>t = %1 ms ; %2 u.a.</source>
        <translation>t = %1 ms; %2 a.u.</translation>
    </message>
</context>
</TS>
