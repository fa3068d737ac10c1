<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="fr_FR">
<context>
    <name>AcquisitionView</name>
    <message>
        <source>Pas précédent</source>
        <translation>Previous step</translation>
    </message>
    <message>
        <source>Pas suivant</source>
        <translation>Next step</translation>
    </message>
    <message>
        <source>Déplacement temporel</source>
        <translation>Time position</translation>
    </message>
    <message>
        <source> Informations </source>
        <translation> Information </translation>
    </message>
    <message>
        <source>Début</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Méthode</source>
        <translation>Method</translation>
    </message>
    <message>
        <source>Phase</source>
        <translation>Phase</translation>
    </message>
    <message>
        <source> Fenêtrage </source>
        <translation> Energy window </translation>
    </message>
    <message>
        <source>Canaux (40-100)</source>
        <translation>Canaux (40-100)</translation>
    </message>
    <message>
        <source> Résultats </source>
        <translation> Results </translation>
    </message>
    <message>
        <source>Volume (l)</source>
        <translation>Volume (l)</translation>
    </message>
    <message>
        <source>EAPV</source>
        <translation>EAPV</translation>
    </message>
    <message>
        <source> Echelle </source>
        <translation> Scale </translation>
    </message>
    <message>
        <source>Agrandir l&apos;échelle des comptages</source>
        <translation>Enlarge the count scale</translation>
    </message>
    <message>
        <source>Réduire l&apos;échelle des comptages</source>
        <translation>Reduce the count scale</translation>
    </message>
    <message>
        <source>Afficher plus de canaux</source>
        <translation>Show more channels</translation>
    </message>
    <message>
        <source>Afficher moins de canaux</source>
        <translation>Show fewer channels</translation>
    </message>
    <message>
        <source>Mesure %1 / %2</source>
        <translation>Measurement %1 / %2</translation>
    </message>
</context>
<context>
    <name>BlankWindowHint</name>
    <message>
        <source>%1 (%2), %3 sur le port %4, ou %5.</source>
        <translation>%1 (%2), %3 on port %4, or %5.</translation>
    </message>
    <message>
        <source>Ouvrez un fichier de mesures</source>
        <translation>Open a measurement file</translation>
    </message>
    <message>
        <source>lisez l&apos;instrument</source>
        <translation>read the instrument</translation>
    </message>
    <message>
        <source>essayez l&apos;instrument de démonstration</source>
        <translation>try the demonstration instrument</translation>
    </message>
</context>
<context>
    <name>ChartConveniences</name>
    <message>
        <source>Canal %1 : %2 coups</source>
        <translation>Channel %1: %2 counts</translation>
    </message>
</context>
<context>
    <name>ChartExport</name>
    <message>
        <source>l&apos;image n&apos;a pas pu être dessinée</source>
        <translation>the picture could not be drawn</translation>
    </message>
</context>
<context>
    <name>DialogService</name>
    <message>
        <source>%1 existe déjà.
Voulez-vous le remplacer ?</source>
        <translation>%1 already exists.
Do you want to replace it?</translation>
    </message>
</context>
<context>
    <name>Encodings</name>
    <message>
        <source>&apos;%1&apos; n&apos;est pas une valeur entière correcte</source>
        <translation>&apos;%1&apos; is not a valid whole number</translation>
    </message>
    <message>
        <source>&apos;%1&apos; n&apos;est pas une date correcte</source>
        <translation>&apos;%1&apos; is not a valid date</translation>
    </message>
</context>
<context>
    <name>LinkMessages</name>
    <message>
        <source>Connexion impossible !</source>
        <translation>Connection failed!</translation>
    </message>
    <message>
        <source>Erreur de communication</source>
        <translation>Communication error</translation>
    </message>
    <message>
        <source>Lecture annulée</source>
        <translation>Reading cancelled</translation>
    </message>
    <message>
        <source>Erreur de communication (TimeOut)</source>
        <translation>Communication error (time-out)</translation>
    </message>
    <message>
        <source>Erreur de communication (Checksum incorrect)</source>
        <translation>Communication error (incorrect checksum)</translation>
    </message>
    <message>
        <source>Le port se choisit avec --port ; --port %1 est un instrument de démonstration.</source>
        <translation>Choose the port with --port; --port %1 is a demonstration instrument.</translation>
    </message>
    <message>
        <source>Le port se choisit dans Instrument &gt; Communications ; « %1 » y est un instrument de démonstration.</source>
        <translation>Choose the port in Instrument &gt; Communications; &quot;%1&quot; there is a demonstration instrument.</translation>
    </message>
</context>
<context>
    <name>OverviewMap</name>
    <message>
        <source>Mesures %1 à %2 (additionnées)
Canal %3 : %4 coups</source>
        <translation>Measurements %1 to %2 (added up)
Channel %3: %4 counts</translation>
    </message>
    <message>
        <source>Mesure %1 %2
Canal %3 : %4 coups</source>
        <translation>Measurement %1 %2
Channel %3: %4 counts</translation>
    </message>
</context>
<context>
    <name>OverviewModel</name>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
</context>
<context>
    <name>OverviewSelection</name>
    <message>
        <source>n</source>
        <translation>n</translation>
    </message>
    <message>
        <source>Somme</source>
        <translation>Sum</translation>
    </message>
    <message>
        <source>Moyenne</source>
        <translation>Mean</translation>
    </message>
    <message>
        <source>Écart-type</source>
        <translation>Standard deviation</translation>
    </message>
    <message>
        <source>Minimum (mesure)</source>
        <translation>Minimum (measurement)</translation>
    </message>
    <message>
        <source>Maximum (mesure)</source>
        <translation>Maximum (measurement)</translation>
    </message>
    <message>
        <source>√Somme</source>
        <translation>√Sum</translation>
    </message>
    <message>
        <source>Faites glisser sur les tendances ou la carte pour choisir des mesures ; Échap efface le choix.</source>
        <translation>Drag across the trends or the map to choose measurements; Escape clears the choice.</translation>
    </message>
    <message>
        <source>Mesures %1 à %2 (%3 mesures)</source>
        <translation>Measurements %1 to %2 (%3 measurements)</translation>
    </message>
</context>
<context>
    <name>OverviewTrends</name>
    <message>
        <source>Mesure %1 %2</source>
        <translation>Measurement %1 %2</translation>
    </message>
</context>
<context>
    <name>ParameterValues</name>
    <message>
        <source>plus de %1 caractères</source>
        <translation>more than %1 characters</translation>
    </message>
    <message>
        <source>contient « ; »</source>
        <translation>holds a &quot;;&quot;</translation>
    </message>
    <message>
        <source>contient un caractère de contrôle</source>
        <translation>holds a control character</translation>
    </message>
    <message>
        <source>contient un caractère hors de Windows-1252</source>
        <translation>holds a character outside Windows-1252</translation>
    </message>
    <message>
        <source>%1 %2 : %3</source>
        <translation>%1 %2: %3</translation>
    </message>
</context>
<context>
    <name>PortSelector</name>
    <message>
        <source>Le port %1 n&apos;existe pas.</source>
        <translation>The port %1 does not exist.</translation>
    </message>
</context>
<context>
    <name>ProgramOptions</name>
    <message>
        <source>option inconnue %1</source>
        <translation>unknown option %1</translation>
    </message>
    <message>
        <source>option %1 donnée deux fois</source>
        <translation>option %1 given twice</translation>
    </message>
    <message>
        <source>l&apos;option %1 attend une valeur</source>
        <translation>option %1 needs a value</translation>
    </message>
    <message>
        <source>%1 %2 : dossier inexistant</source>
        <translation>%1 %2: no such directory</translation>
    </message>
</context>
<context>
    <name>QtDialogService</name>
    <message>
        <source>Regarder dans :</source>
        <translation>Look in:</translation>
    </message>
    <message>
        <source>Nom du fichier :</source>
        <translation>File name:</translation>
    </message>
    <message>
        <source>Type :</source>
        <translation>File type:</translation>
    </message>
    <message>
        <source>Enregistrer</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Ouvrir</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Oui</source>
        <translation>&amp;Yes</translation>
    </message>
    <message>
        <source>&amp;Non</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>Choisir</source>
        <translation>Choose</translation>
    </message>
    <message>
        <source>Afficher les détails...</source>
        <translation>Show Details...</translation>
    </message>
    <message>
        <source>Masquer les détails...</source>
        <translation>Hide Details...</translation>
    </message>
    <message>
        <source>Taille de l&apos;image</source>
        <translation>Image size</translation>
    </message>
    <message>
        <source> pixels</source>
        <translation> pixels</translation>
    </message>
    <message>
        <source>Largeur</source>
        <translation>Width</translation>
    </message>
    <message>
        <source>Hauteur</source>
        <translation>Height</translation>
    </message>
</context>
<context>
    <name>QtSerialPortBackend</name>
    <message>
        <source>Accès refusé au port %1 : il appartient au groupe « %2 ».
Ajoutez votre utilisateur à ce groupe (sudo usermod -aG %2 $USER), puis fermez la session et reconnectez-vous pour que cela prenne effet.</source>
        <translation>Access to port %1 denied: it belongs to the group &quot;%2&quot;.
Add your user to this group (sudo usermod -aG %2 $USER), then log out and log in again for this to take effect.</translation>
    </message>
    <message>
        <source>Accès refusé au port %1 : il est peut-être utilisé par un autre programme.</source>
        <translation>Access to port %1 denied: another program may be using it.</translation>
    </message>
    <message>
        <source>Le port %1 n&apos;existe pas.</source>
        <translation>Port %1 does not exist.</translation>
    </message>
    <message>
        <source>Le port %1 ne peut pas être ouvert (%2).</source>
        <translation>Port %1 cannot be opened (%2).</translation>
    </message>
    <message>
        <source>le port %1 a disparu (câble débranché ?)</source>
        <translation>port %1 has disappeared (cable unplugged?)</translation>
    </message>
    <message>
        <source>lecture impossible sur le port %1 (câble débranché ?)</source>
        <translation>cannot read from port %1 (cable unplugged?)</translation>
    </message>
    <message>
        <source>écriture impossible sur le port %1</source>
        <translation>cannot write to port %1</translation>
    </message>
    <message>
        <source>erreur du port %1 : %2</source>
        <translation>port %1 error: %2</translation>
    </message>
    <message>
        <source>Accès refusé au port %1 : votre utilisateur n&apos;a pas le droit de l&apos;ouvrir.
Ajoutez-le au groupe propriétaire du périphérique (« dialout » sous Debian : sudo usermod -aG dialout $USER), puis fermez la session et reconnectez-vous pour que cela prenne effet.</source>
        <translation>Access to port %1 denied: your user may not open it.
Add it to the group that owns the device (&quot;dialout&quot; on Debian: sudo usermod -aG dialout $USER), then log out and in again for this to take effect.</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>Rapport de mesure</source>
        <translation>Measurement report</translation>
    </message>
    <message>
        <source>Provenance</source>
        <translation>Provenance</translation>
    </message>
    <message>
        <source>Instrument</source>
        <translation>Instrument</translation>
    </message>
    <message>
        <source>Acquisition</source>
        <translation>Acquisition</translation>
    </message>
    <message>
        <source>Résultats</source>
        <translation>Results</translation>
    </message>
    <message>
        <source>Les fenêtres d&apos;énergie ne sont pas comptées : %1</source>
        <translation>The energy windows are not counted: %1</translation>
    </message>
    <message>
        <source>N est la somme des comptages de toutes les mesures ; son incertitude est celle de Poisson, √N. Les mesures sont numérotées à partir de 1.</source>
        <translation>N is the sum of the counts of all measurements; its uncertainty is the Poisson one, √N. Measurements are numbered from 1.</translation>
    </message>
    <message>
        <source>Mesures</source>
        <translation>Measurements</translation>
    </message>
    <message>
        <source>%1 mesures sur %2 ne sont pas listées (le tableau est limité aux %3 premières).</source>
        <translation>%1 of the %2 measurements are not listed (the table is limited to the first %3).</translation>
    </message>
    <message>
        <source>Rapport de mesure — %1</source>
        <translation>Measurement report — %1</translation>
    </message>
    <message>
        <source>Impossible d&apos;écrire le fichier %1 : %2</source>
        <translation>Cannot write file %1: %2</translation>
    </message>
    <message>
        <source>Les spectres de cette acquisition sont indisponibles : le rapport ne contient ni résultats, ni graphiques, ni tableau des mesures.</source>
        <translation>The spectra of this acquisition are unavailable: the report holds no results, no charts and no table of measurements.</translation>
    </message>
    <message>
        <source>L&apos;acquisition ne contient aucune mesure.</source>
        <translation>The acquisition holds no measurement.</translation>
    </message>
    <message>
        <source>session non enregistrée</source>
        <translation>session not saved</translation>
    </message>
    <message>
        <source>%1 est le fichier de mesures du rapport ; choisissez un autre nom</source>
        <translation>%1 is the measurement file of the report; choose another name</translation>
    </message>
    <message>
        <source>Évolution des comptages</source>
        <translation>Counts over the acquisition</translation>
    </message>
    <message>
        <source>Mesure</source>
        <translation>Measurement</translation>
    </message>
    <message>
        <source>Comptage</source>
        <translation>Count</translation>
    </message>
    <message>
        <source>Carte mesures × canaux</source>
        <translation>Map of measurements × channels</translation>
    </message>
    <message>
        <source>Canal</source>
        <translation>Channel</translation>
    </message>
    <message>
        <source>Comptage (log)</source>
        <translation>Count (log)</translation>
    </message>
    <message>
        <source>Spectre sommé de toute l&apos;acquisition</source>
        <translation>Summed spectrum of the whole acquisition</translation>
    </message>
    <message>
        <source>Fichier</source>
        <translation>File</translation>
    </message>
    <message>
        <source>session non enregistrée (téléchargement) : l&apos;empreinte est celle des octets que son enregistrement écrirait</source>
        <translation>session not saved (download): the digest is that of the bytes saving it would write</translation>
    </message>
    <message>
        <source>Rapport établi le</source>
        <translation>Report made on</translation>
    </message>
    <message>
        <source>Programme</source>
        <translation>Program</translation>
    </message>
    <message>
        <source>Numéro</source>
        <translation>Number</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Version logicielle</source>
        <translation>Software version</translation>
    </message>
    <message>
        <source>Mise en service</source>
        <translation>Launched</translation>
    </message>
    <message>
        <source>Dernière maintenance</source>
        <translation>Last maintenance</translation>
    </message>
    <message>
        <source>Prochaine maintenance</source>
        <translation>Next maintenance</translation>
    </message>
    <message>
        <source>Commentaire</source>
        <translation>Comment</translation>
    </message>
    <message>
        <source>Début</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Méthode</source>
        <translation>Method</translation>
    </message>
    <message>
        <source>Nombre de mesures</source>
        <translation>Number of measurements</translation>
    </message>
    <message>
        <source>Volume prélevé (l)</source>
        <translation>Sampled volume (l)</translation>
    </message>
    <message>
        <source>EAPV calculée par l&apos;instrument</source>
        <translation>EAPV computed by the instrument</translation>
    </message>
    <message>
        <source>Spectres</source>
        <translation>Spectra</translation>
    </message>
    <message>
        <source>disponibles</source>
        <translation>available</translation>
    </message>
    <message>
        <source>indisponibles</source>
        <translation>unavailable</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Impossible de lire le fichier %1 : %2</source>
        <translation>Cannot read file %1: %2</translation>
    </message>
    <message>
        <source>%1 (n° %2)</source>
        <translation>%1 (no. %2)</translation>
    </message>
    <message>
        <source>Série</source>
        <translation>Series</translation>
    </message>
    <message>
        <source>Comptage total N</source>
        <translation>Total count N</translation>
    </message>
    <message>
        <source>Incertitude √N</source>
        <translation>Uncertainty √N</translation>
    </message>
    <message>
        <source>Relative (%)</source>
        <translation>Relative (%)</translation>
    </message>
    <message>
        <source>Moyenne par mesure</source>
        <translation>Mean per measurement</translation>
    </message>
    <message>
        <source>Minimum (mesure)</source>
        <translation>Minimum (measurement)</translation>
    </message>
    <message>
        <source>Maximum (mesure)</source>
        <translation>Maximum (measurement)</translation>
    </message>
    <message>
        <source>Phase</source>
        <translation>Phase</translation>
    </message>
</context>
<context>
    <name>SpectrumChart</name>
    <message>
        <source>Comptage = f(canal)</source>
        <translation>Counts per channel</translation>
    </message>
    <message>
        <source>Spectres indisponibles</source>
        <translation>Spectra unavailable</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>Ce logiciel requiert une résolution d&apos;écran minimum de 1024x600</source>
        <translation>This program requires a screen resolution of at least 1024x600</translation>
    </message>
</context>
<context>
    <name>TFormAbout</name>
    <message>
        <source>A propos...</source>
        <translation>About...</translation>
    </message>
    <message>
        <source>Le compagnon de bureau du moniteur OVRA des descendants du radon : il lit les acquisitions de l&apos;instrument par la liaison série, montre leurs spectres alpha mesure après mesure, les garde dans des fichiers de mesures (*.ovra), configure et initialise l&apos;instrument, et imprime un rapport.</source>
        <translation>The desktop companion of the OVRA radon decay product monitor: it reads the instrument&apos;s acquisitions over the serial line, shows their alpha spectra measurement by measurement, keeps them in measurement files (*.ovra), configures and initialises the instrument, and prints a report.</translation>
    </message>
    <message>
        <source>Fermer</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>TFormClock</name>
    <message>
        <source>Horloge</source>
        <translation>Clock</translation>
    </message>
    <message>
        <source> Horloge PC </source>
        <translation> PC clock </translation>
    </message>
    <message>
        <source>Utiliser l&apos;horloge du PC</source>
        <translation>Use the PC&apos;s clock</translation>
    </message>
    <message>
        <source> Horloge Sonde </source>
        <translation> Instrument clock </translation>
    </message>
    <message>
        <source>Modifier</source>
        <translation>Change</translation>
    </message>
    <message>
        <source>Conserver</source>
        <translation>Keep</translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Erreur de communication</source>
        <translation>Communication error</translation>
    </message>
    <message>
        <source>Erreur de communication (TimeOut)</source>
        <translation>Communication error (time-out)</translation>
    </message>
</context>
<context>
    <name>TFormCommunication</name>
    <message>
        <source>Communications</source>
        <translation>Communications</translation>
    </message>
    <message>
        <source> Propriétés du port de communication </source>
        <translation> Communication port properties </translation>
    </message>
    <message>
        <source>Numéro de port</source>
        <translation>Port number</translation>
    </message>
    <message>
        <source>Vitesse</source>
        <translation>Baud rate</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Instrument simulé (démonstration)</source>
        <translation>Demonstration instrument (simulated, no cable needed)</translation>
    </message>
    <message>
        <source>n° %1</source>
        <translation>no. %1</translation>
    </message>
</context>
<context>
    <name>TFormConfig</name>
    <message>
        <source>Configuration</source>
        <translation>Configuration</translation>
    </message>
    <message>
        <source>Envoi des paramètres...</source>
        <translation>Sending the parameters...</translation>
    </message>
    <message>
        <source>Erreur de communication</source>
        <translation>Communication error</translation>
    </message>
    <message>
        <source>Vérification des paramètres...</source>
        <translation>Checking the parameters...</translation>
    </message>
    <message>
        <source>Erreur de communication (TimeOut)</source>
        <translation>Communication error (time-out)</translation>
    </message>
    <message>
        <source>Effacement des mesures...</source>
        <translation>Erasing the measurements...</translation>
    </message>
    <message>
        <source>L&apos;initialisation a échoué.
<byte value="xd"/>Veuillez recommencer.</source>
        <translation>The initialisation failed.
<byte value="xd"/>Please try again.</translation>
    </message>
    <message>
        <source>Initialisation réussie</source>
        <translation>Initialisation succeeded</translation>
    </message>
    <message>
        <source>%1 %2 : envoyé %3, relu %4</source>
        <translation>%1 %2: sent %3, read back %4</translation>
    </message>
    <message>
        <source>Spectro Parameter File (*.par)</source>
        <translation>Spectro Parameter File (*.par)</translation>
    </message>
    <message>
        <source>Numéro d&apos;instrument</source>
        <translation>Instrument number</translation>
    </message>
    <message>
        <source>Type d&apos;instrument</source>
        <translation>Instrument type</translation>
    </message>
    <message>
        <source>Valeur décimale </source>
        <translation>Decimal value </translation>
    </message>
    <message>
        <source>le  </source>
        <translation>on  </translation>
    </message>
    <message>
        <source>à</source>
        <translation>at</translation>
    </message>
    <message>
        <source>Dernière maintenance</source>
        <translation>Last maintenance</translation>
    </message>
    <message>
        <source>Intervalle (années)</source>
        <translation>Interval (years)</translation>
    </message>
    <message>
        <source>Prochaine Maintenance</source>
        <translation>Next maintenance</translation>
    </message>
    <message>
        <source>Affichage à l&apos;écran en </source>
        <translation>Screen language </translation>
    </message>
    <message>
        <source>Coefficient de rendement</source>
        <translation>Efficiency coefficient</translation>
    </message>
    <message>
        <source>Volume minimum (l)</source>
        <translation>Minimum volume (l)</translation>
    </message>
    <message>
        <source>Eclairage max de l&apos;écran (%)</source>
        <translation>Maximum screen brightness (%)</translation>
    </message>
    <message>
        <source>Tension minimum (V)</source>
        <translation>Minimum voltage (V)</translation>
    </message>
    <message>
        <source>Tension basse (V)</source>
        <translation>Low voltage (V)</translation>
    </message>
    <message>
        <source>Coefficient batterie</source>
        <translation>Battery coefficient</translation>
    </message>
    <message>
        <source>Arrêt sur batterie basse (s)</source>
        <translation>Shutdown on low battery (s)</translation>
    </message>
    <message>
        <source>Mise en veille (s)</source>
        <translation>Standby (s)</translation>
    </message>
    <message>
        <source>Affichage des résultats (s)</source>
        <translation>Results display (s)</translation>
    </message>
    <message>
        <source>Déconnexion automatique (s)</source>
        <translation>Automatic disconnection (s)</translation>
    </message>
    <message>
        <source>Seuil d&apos;énergie</source>
        <translation>Energy threshold</translation>
    </message>
    <message>
        <source>Premier comptage Alpha</source>
        <translation>First alpha count</translation>
    </message>
    <message>
        <source>Second comptage Alpha</source>
        <translation>Second alpha count</translation>
    </message>
    <message>
        <source>Coefficient d&apos;évaluation</source>
        <translation>Evaluation coefficient</translation>
    </message>
    <message>
        <source>Coefficient a3</source>
        <translation>Coefficient a3</translation>
    </message>
    <message>
        <source>Coefficient a2</source>
        <translation>Coefficient a2</translation>
    </message>
    <message>
        <source>Coefficient a1</source>
        <translation>Coefficient a1</translation>
    </message>
    <message>
        <source>Coefficient a0</source>
        <translation>Coefficient a0</translation>
    </message>
    <message>
        <source>Canal Minimum</source>
        <translation>Minimum channel</translation>
    </message>
    <message>
        <source>Canal Maximum</source>
        <translation>Maximum channel</translation>
    </message>
    <message>
        <source>Temps mort (ms)</source>
        <translation>Dead time (ms)</translation>
    </message>
    <message>
        <source>Commande moteur (0-999)</source>
        <translation>Motor command (0-999)</translation>
    </message>
    <message>
        <source>Coefficient b1</source>
        <translation>Coefficient b1</translation>
    </message>
    <message>
        <source>Coefficient b0</source>
        <translation>Coefficient b0</translation>
    </message>
    <message>
        <source>Pression normale (mbar)</source>
        <translation>Standard pressure (mbar)</translation>
    </message>
    <message>
        <source>Température normale (°C)</source>
        <translation>Standard temperature (°C)</translation>
    </message>
    <message>
        <source>Période de mesure (s)</source>
        <translation>Measurement period (s)</translation>
    </message>
    <message>
        <source>Version logicielle</source>
        <translation>Software version</translation>
    </message>
    <message>
        <source>     Général     </source>
        <translation>     General     </translation>
    </message>
    <message>
        <source> EAPV </source>
        <translation> EAPV </translation>
    </message>
    <message>
        <source> Prélèvement </source>
        <translation> Sampling </translation>
    </message>
    <message>
        <source> Batterie </source>
        <translation> Battery </translation>
    </message>
    <message>
        <source> Configuration </source>
        <translation> Configuration </translation>
    </message>
    <message>
        <source> Identification </source>
        <translation> Identification </translation>
    </message>
    <message>
        <source> Maintenance </source>
        <translation> Maintenance </translation>
    </message>
    <message>
        <source> Historique </source>
        <translation> History </translation>
    </message>
    <message>
        <source> Accessibilité  </source>
        <translation> Accessibility  </translation>
    </message>
    <message>
        <source> Commentaires </source>
        <translation> Comments </translation>
    </message>
    <message>
        <source> Paramètres géométriques </source>
        <translation> Geometric parameters </translation>
    </message>
    <message>
        <source> Méthode de Rolle </source>
        <translation> Rolle method </translation>
    </message>
    <message>
        <source> Spectrométrie </source>
        <translation> Spectrometry </translation>
    </message>
    <message>
        <source> Pression différentielle </source>
        <translation> Differential pressure </translation>
    </message>
    <message>
        <source> Température </source>
        <translation> Temperature </translation>
    </message>
    <message>
        <source> Pression atmosphérique </source>
        <translation> Atmospheric pressure </translation>
    </message>
    <message>
        <source> Calcul du débit </source>
        <translation> Flow calculation </translation>
    </message>
    <message>
        <source> Conditions standards </source>
        <translation> Standard conditions </translation>
    </message>
    <message>
        <source> Mesure du volume </source>
        <translation> Volume measurement </translation>
    </message>
    <message>
        <source> Calculs </source>
        <translation> Calculations </translation>
    </message>
    <message>
        <source> Surveillance </source>
        <translation> Monitoring </translation>
    </message>
    <message>
        <source> Economie </source>
        <translation> Power saving </translation>
    </message>
    <message>
        <source>Francais</source>
        <translation>French</translation>
    </message>
    <message>
        <source>Anglais</source>
        <translation>English</translation>
    </message>
    <message>
        <source>Initialisation</source>
        <translation>Initialisation</translation>
    </message>
    <message>
        <source>Lecture des paramètres...</source>
        <translation>Reading the parameters...</translation>
    </message>
    <message>
        <source>Lecture des paramètres terminée</source>
        <translation>Parameters read</translation>
    </message>
    <message>
        <source>Effacement des paramètres...</source>
        <translation>Clearing the parameters...</translation>
    </message>
    <message>
        <source>Ecriture des paramètres terminée</source>
        <translation>Parameters written</translation>
    </message>
    <message>
        <source>Sauver</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Charger</source>
        <translation>Load</translation>
    </message>
    <message>
        <source>Le fichier %1 n&apos;a pas pu être lu.</source>
        <translation>The file %1 could not be read.</translation>
    </message>
    <message>
        <source>jj/mm/aaaa</source>
        <translation>dd/mm/yyyy</translation>
    </message>
    <message>
        <source>hh:mm</source>
        <translation>hh:mm</translation>
    </message>
    <message>
        <source>mm/aaaa</source>
        <translation>mm/yyyy</translation>
    </message>
    <message>
        <source>Lecture</source>
        <translation>Read</translation>
    </message>
    <message>
        <source>Ecriture</source>
        <translation>Write</translation>
    </message>
    <message>
        <source>Initialiser</source>
        <translation>Initialise</translation>
    </message>
    <message>
        <source>Fermer</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Interrompu avant l&apos;effacement : les paramètres sont écrits et vérifiés, les mesures n&apos;ont pas été effacées.</source>
        <translation>Interrupted before the erase: the parameters are written and checked, the measurements were not erased.</translation>
    </message>
    <message>
        <source>Envoi des paramètres interrompu : l&apos;instrument garde maintenant un jeu incomplet, que la même commande relancée rétablit. Les mesures n&apos;ont pas été effacées.</source>
        <translation>Sending the parameters was interrupted: the instrument now holds an incomplete set, which running the same command again restores. The measurements were not erased.</translation>
    </message>
    <message>
        <source>« Ecriture » remplace le jeu de l&apos;instrument par celui affiché.</source>
        <translation>&quot;Write&quot; replaces the instrument&apos;s set with the one shown.</translation>
    </message>
    <message>
        <source>Aucune session n&apos;est affichée.</source>
        <translation>No session is shown.</translation>
    </message>
    <message>
        <source>La session affichée n&apos;est pas enregistrée.</source>
        <translation>The session shown is not saved.</translation>
    </message>
    <message>
        <source>La session affichée est enregistrée.</source>
        <translation>The session shown is saved.</translation>
    </message>
    <message>
        <source>L&apos;initialisation efface les %1 mesure(s) gardées dans l&apos;instrument.
%2
Continuer ?</source>
        <translation>Initialising erases the %1 measurement(s) stored in the instrument.
%2
Go on?</translation>
    </message>
    <message>
        <source>Le fichier %1 contient des valeurs que l&apos;instrument ne pourrait pas relire ; rien n&apos;a été chargé.
%2</source>
        <translation>The file %1 holds values the instrument could not read back; nothing was loaded.
%2</translation>
    </message>
</context>
<context>
    <name>TFormDirectory</name>
    <message>
        <source>Répertoire par défaut</source>
        <translation>Default directory</translation>
    </message>
    <message>
        <source>&amp;Dernier répertoire utilisé</source>
        <translation>&amp;Last directory used</translation>
    </message>
    <message>
        <source>&amp;Répertoire sélectionné :</source>
        <translation>&amp;Selected directory:</translation>
    </message>
    <message>
        <source>Parcourir</source>
        <translation>Browse</translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>TFormMain</name>
    <message>
        <source>Fichier de mesures (*.ovra)</source>
        <translation>Measurement file (*.ovra)</translation>
    </message>
    <message>
        <source>Ouvrir</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Enregistrer Sous</source>
        <translation>Save As</translation>
    </message>
    <message>
        <source>Nouveau Fichier</source>
        <translation>New File</translation>
    </message>
    <message>
        <source>  &amp;Fichier  </source>
        <translation>  &amp;File  </translation>
    </message>
    <message>
        <source>&amp;Répertoire par défaut</source>
        <translation>&amp;Default directory</translation>
    </message>
    <message>
        <source>&amp;Langue</source>
        <translation>&amp;Language</translation>
    </message>
    <message>
        <source>&amp;Anglais</source>
        <translation>&amp;English</translation>
    </message>
    <message>
        <source>&amp;Francais</source>
        <translation>&amp;French</translation>
    </message>
    <message>
        <source>&amp;Ouvrir</source>
        <translation>&amp;Open</translation>
    </message>
    <message>
        <source>&amp;Fermer</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>&amp;Enregistrer Sous</source>
        <translation>&amp;Save As</translation>
    </message>
    <message>
        <source>&amp;Imprimer</source>
        <translation>&amp;Print</translation>
    </message>
    <message>
        <source>&amp;Quitter</source>
        <translation>&amp;Quit</translation>
    </message>
    <message>
        <source>  &amp;Instrument  </source>
        <translation>  &amp;Instrument  </translation>
    </message>
    <message>
        <source>&amp;Lecture</source>
        <translation>&amp;Read</translation>
    </message>
    <message>
        <source>&amp;Initialisation</source>
        <translation>&amp;Initialisation</translation>
    </message>
    <message>
        <source>&amp;Configuration</source>
        <translation>&amp;Configuration</translation>
    </message>
    <message>
        <source>C&amp;ommunications</source>
        <translation>C&amp;ommunications</translation>
    </message>
    <message>
        <source>&amp;Paramètres</source>
        <translation>&amp;Parameters</translation>
    </message>
    <message>
        <source>   ?   </source>
        <translation>   ?   </translation>
    </message>
    <message>
        <source>Format de fichier incorrect</source>
        <translation>Incorrect file format</translation>
    </message>
    <message>
        <source>Le fichier %1 n&apos;a pas pu être copié vers %2.
%3</source>
        <translation>The file %1 could not be copied to %2.
%3</translation>
    </message>
    <message>
        <source>Les données en cours n&apos;ont pas été sauvées !
<byte value="xd"/>Voulez-vous les sauver ?</source>
        <translation>The current data have not been saved!
<byte value="xd"/>Do you want to save them?</translation>
    </message>
    <message>
        <source>Les données n&apos;ont pas été sauvées !
<byte value="xd"/>Voulez-vous sauver avant de quitter ?</source>
        <translation>The data have not been saved!
<byte value="xd"/>Do you want to save before quitting?</translation>
    </message>
    <message>
        <source>E&amp;xporter</source>
        <translation>E&amp;xport</translation>
    </message>
    <message>
        <source>&amp;Spectres (CSV)…</source>
        <translation>&amp;Spectra (CSV)…</translation>
    </message>
    <message>
        <source>&amp;Image du graphique (PNG, SVG)…</source>
        <translation>Chart &amp;image (PNG, SVG)…</translation>
    </message>
    <message>
        <source>Exporter</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>Fichier CSV (*.csv)</source>
        <translation>CSV file (*.csv)</translation>
    </message>
    <message>
        <source>Impossible d&apos;écrire le fichier %1 : %2</source>
        <translation>Cannot write the file %1: %2</translation>
    </message>
    <message>
        <source>Image PNG (*.png);;Image SVG (*.svg)</source>
        <translation>PNG image (*.png);;SVG image (*.svg)</translation>
    </message>
    <message>
        <source>Instrument simulé (démonstration) : les acquisitions lues ne sont pas des mesures réelles. Choisissez le port de l&apos;instrument dans Instrument &gt; Communications.</source>
        <translation>Simulated instrument (demonstration): the acquisitions read are not real measurements. Choose the instrument&apos;s port in Instrument &gt; Communications.</translation>
    </message>
    <message>
        <source>Le fichier %1 n&apos;existe plus.
Il est retiré de la liste des fichiers récents.</source>
        <translation>The file %1 no longer exists.
It is removed from the list of recent files.</translation>
    </message>
    <message>
        <source>Rapport de &amp;mesure…</source>
        <translation>&amp;Measurement report…</translation>
    </message>
    <message>
        <source>Document PDF (*.pdf)</source>
        <translation>PDF document (*.pdf)</translation>
    </message>
    <message>
        <source>Rapport de mesure</source>
        <translation>Measurement report</translation>
    </message>
    <message>
        <source>&amp;Tableau des mesures (CSV)…</source>
        <translation>&amp;Table of measurements (CSV)…</translation>
    </message>
    <message>
        <source>&amp;Vue d&apos;ensemble</source>
        <translation>O&amp;verview</translation>
    </message>
    <message>
        <source>L&apos;impression sur « %1 » a échoué : la page n&apos;a pas pu être imprimée en entier.</source>
        <translation>Printing on &quot;%1&quot; failed: the page could not be printed in full.</translation>
    </message>
    <message>
        <source>Fichiers ré&amp;cents</source>
        <translation>&amp;Recent files</translation>
    </message>
</context>
<context>
    <name>TFormMemoire</name>
    <message>
        <source>Lecture</source>
        <translation>Read</translation>
    </message>
    <message>
        <source> Mémoire </source>
        <translation> Memory </translation>
    </message>
    <message>
        <source>Nombre total de mesures</source>
        <translation>Total number of measurements</translation>
    </message>
    <message>
        <source>Nombre d&apos;acquisitions</source>
        <translation>Number of acquisitions</translation>
    </message>
    <message>
        <source>    Mesures    </source>
        <translation>    Measurements    </translation>
    </message>
    <message>
        <source>Acquisition</source>
        <translation>Acquisition</translation>
    </message>
    <message>
        <source>Date/Heure de début</source>
        <translation>Start date/time</translation>
    </message>
    <message>
        <source>Méthode</source>
        <translation>Method</translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Fermer</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>La lecture a réussi, mais sa copie n&apos;a pas pu être enregistrée.
%1
Enregistrez les données avec « Enregistrer Sous ».</source>
        <translation>The reading succeeded, but its copy could not be saved.
%1
Save the data with &quot;Save As&quot;.</translation>
    </message>
    <message>
        <source>Lecture</source>
        <comment>the window of the instrument&apos;s memory</comment>
        <translation>Instrument memory</translation>
    </message>
</context>
<context>
    <name>TFormOverview</name>
    <message>
        <source>Vue d&apos;ensemble</source>
        <translation>Overview</translation>
    </message>
    <message>
        <source>Échelle &amp;logarithmique</source>
        <translation>&amp;Logarithmic scale</translation>
    </message>
    <message>
        <source>&amp;Copier</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <source>Le tableau des mesures dans le presse-papiers</source>
        <translation>The table of measurements to the clipboard</translation>
    </message>
</context>
<context>
    <name>TFormPrint</name>
    <message>
        <source>Impression</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Entrer un titre ou un commentaire</source>
        <translation>Enter a title or a comment</translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Imprimer</source>
        <translation>Print</translation>
    </message>
</context>
<context>
    <name>TFormRS232</name>
    <message>
        <source>le port %1 n&apos;est pas ouvert</source>
        <translation>port %1 is not open</translation>
    </message>
    <message>
        <source>le port %1 ne répond plus</source>
        <translation>port %1 no longer answers</translation>
    </message>
    <message>
        <source>écriture impossible sur le port %1</source>
        <translation>cannot write to port %1</translation>
    </message>
    <message>
        <source>le port %1 n&apos;envoie plus rien</source>
        <translation>port %1 no longer sends anything</translation>
    </message>
    <message>
        <source>aucune acquisition n&apos;est listée au rang %1</source>
        <translation>no acquisition is listed at row %1</translation>
    </message>
    <message>
        <source>l&apos;instrument ne répond pas sur le port %1</source>
        <translation>the instrument does not answer on port %1</translation>
    </message>
    <message>
        <source>réponse inattendue « %1 » au lieu de « ID »</source>
        <translation>unexpected reply &quot;%1&quot; instead of &quot;ID&quot;</translation>
    </message>
    <message>
        <source>l&apos;appareil s&apos;identifie comme « %1 » et non comme « %2 »</source>
        <translation>the device identifies itself as &quot;%1&quot;, not as &quot;%2&quot;</translation>
    </message>
    <message>
        <source>le paramètre %1 dépasse %2 caractères</source>
        <translation>parameter %1 is longer than %2 characters</translation>
    </message>
    <message>
        <source>avancement de l&apos;effacement illisible « %1 »</source>
        <translation>unreadable erase progress &quot;%1&quot;</translation>
    </message>
    <message>
        <source>horloge de l&apos;instrument illisible « %1 »</source>
        <translation>unreadable instrument clock &quot;%1&quot;</translation>
    </message>
    <message>
        <source>date et heure invalides « %1 » (attendu jj/mm/aaaa hh:mm)</source>
        <translation>invalid date and time &quot;%1&quot; (expected dd/mm/yyyy hh:mm)</translation>
    </message>
    <message>
        <source>ligne de compteur sans fin « %1 »</source>
        <translation>counter line without an end &quot;%1&quot;</translation>
    </message>
    <message>
        <source>nombre de mesures illisible « %1 »</source>
        <translation>unreadable number of measurements &quot;%1&quot;</translation>
    </message>
    <message>
        <source>nombre d&apos;acquisitions illisible « %1 »</source>
        <translation>unreadable number of acquisitions &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Temps restant estimé : </source>
        <translation>Estimated time remaining: </translation>
    </message>
</context>
<context>
    <name>checkedwrite</name>
    <message>
        <source>écriture incomplète</source>
        <translation>incomplete write</translation>
    </message>
</context>
<context>
    <name>fichiers</name>
    <message>
        <source>Fichier %1, ligne %2 : %3</source>
        <translation>File %1, line %2: %3</translation>
    </message>
    <message>
        <source>Erreur de lecture du fichier %1 : %2</source>
        <translation>Error reading file %1: %2</translation>
    </message>
    <message>
        <source>le fichier s&apos;arrête là où une valeur est attendue</source>
        <translation>the file ends where a value is expected</translation>
    </message>
    <message>
        <source>le spectre compte moins de %1 valeurs</source>
        <translation>the spectrum has fewer than %1 values</translation>
    </message>
    <message>
        <source>valeur du canal %1 vide</source>
        <translation>value of channel %1 empty</translation>
    </message>
    <message>
        <source>« %1 » n&apos;est pas un nombre entier</source>
        <translation>&quot;%1&quot; is not a whole number</translation>
    </message>
    <message>
        <source>nombre de mesures négatif (%1)</source>
        <translation>negative number of measurements (%1)</translation>
    </message>
    <message>
        <source>%1 mesures dépassent la capacité de l&apos;instrument</source>
        <translation>%1 measurements exceed the instrument&apos;s capacity</translation>
    </message>
    <message>
        <source>le fichier ne peut pas contenir %1 mesures</source>
        <translation>the file cannot hold %1 measurements</translation>
    </message>
    <message>
        <source>le spectre de la mesure %1 manque</source>
        <translation>the spectrum of measurement %1 is missing</translation>
    </message>
    <message>
        <source>« %1 » n&apos;est pas un nombre décimal</source>
        <translation>&quot;%1&quot; is not a decimal number</translation>
    </message>
    <message>
        <source>%1 n&apos;est pas un fichier</source>
        <translation>%1 is not a file</translation>
    </message>
    <message>
        <source>Impossible d&apos;ouvrir le fichier %1 : %2</source>
        <translation>Cannot open file %1: %2</translation>
    </message>
    <message>
        <source>Impossible d&apos;écrire le fichier %1 : %2 mesures annoncées, %3 spectres</source>
        <translation>Cannot write file %1: %2 measurements announced, %3 spectra</translation>
    </message>
    <message>
        <source>Impossible d&apos;écrire le fichier %1 : %2</source>
        <translation>Cannot write file %1: %2</translation>
    </message>
</context>
<context>
    <name>ovra</name>
    <message>
        <source>argument inattendu %1</source>
        <translation>unexpected argument %1</translation>
    </message>
    <message>
        <source>option inconnue %1</source>
        <translation>unknown option %1</translation>
    </message>
    <message>
        <source>option %1 donnée deux fois</source>
        <translation>option %1 given twice</translation>
    </message>
    <message>
        <source>l&apos;option %1 attend une valeur</source>
        <translation>option %1 needs a value</translation>
    </message>
    <message>
        <source>%1 doit être un nombre entier d&apos;au moins %2</source>
        <translation>%1 must be a whole number of at least %2</translation>
    </message>
    <message>
        <source>%1 doit être un nombre de %2 à %3</source>
        <translation>%1 must be a number from %2 to %3</translation>
    </message>
    <message>
        <source>%1 est le fichier d&apos;entrée %2 ; choisissez une autre sortie</source>
        <translation>%1 is the input file %2; choose another output</translation>
    </message>
    <message>
        <source>%1 est un dossier ; donnez un nom de fichier</source>
        <translation>%1 is a folder; give a file name</translation>
    </message>
    <message>
        <source>%1 existe ; ajoutez --force pour le remplacer</source>
        <translation>%1 exists; give --force to replace it</translation>
    </message>
    <message>
        <source>le dossier %1 de %2 n&apos;existe pas</source>
        <translation>the folder %1 of %2 does not exist</translation>
    </message>
    <message>
        <source>le dossier %1 de %2 n&apos;est pas accessible en écriture</source>
        <translation>the folder %1 of %2 is not writable</translation>
    </message>
    <message>
        <source>%1 n&apos;est pas de la forme &quot;jj/mm/aaaa hh:mm&quot;</source>
        <translation>%1 is not &quot;dd/mm/yyyy hh:mm&quot;</translation>
    </message>
    <message>
        <source>%1 : cette date n&apos;existe pas</source>
        <translation>%1: there is no such date</translation>
    </message>
    <message>
        <source>%1 : cette heure n&apos;existe pas</source>
        <translation>%1: there is no such time</translation>
    </message>
    <message>
        <source>%1 : l&apos;instrument ne garde que les années 2000 à 2099</source>
        <translation>%1: the instrument holds only the years 2000 to 2099</translation>
    </message>
    <message>
        <source>%1 : Format de fichier incorrect</source>
        <translation>%1: Incorrect file format</translation>
    </message>
    <message>
        <source>Version :</source>
        <translation>Version:</translation>
    </message>
    <message>
        <source>Début :</source>
        <translation>Start:</translation>
    </message>
    <message>
        <source>Méthode :</source>
        <translation>Method:</translation>
    </message>
    <message>
        <source>Mesures :</source>
        <translation>Measurements:</translation>
    </message>
    <message>
        <source>Volume :</source>
        <translation>Volume:</translation>
    </message>
    <message>
        <source>EAPV :</source>
        <translation>EAPV:</translation>
    </message>
    <message>
        <source>Spectres :</source>
        <translation>Spectra:</translation>
    </message>
    <message>
        <source>disponibles</source>
        <translation>available</translation>
    </message>
    <message>
        <source>indisponibles</source>
        <translation>unavailable</translation>
    </message>
    <message>
        <source>  mesure %1 : comptage total %2</source>
        <translation>  measurement %1: total count %2</translation>
    </message>
    <message>
        <source>FICHIER manquant</source>
        <translation>FILE is missing</translation>
    </message>
    <message>
        <source>--csv manquant (le seul format)</source>
        <translation>--csv is missing (the only format)</translation>
    </message>
    <message>
        <source>ovra : %1</source>
        <translation>ovra: %1</translation>
    </message>
    <message>
        <source>%1 : spectres indisponibles, rien à exporter</source>
        <translation>%1: spectra unavailable, nothing to export</translation>
    </message>
    <message>
        <source>%1 mesures écrites dans %2</source>
        <translation>%1 measurements written to %2</translation>
    </message>
    <message>
        <source>Impossible d&apos;écrire le fichier %1 : %2</source>
        <translation>Cannot write file %1: %2</translation>
    </message>
    <message>
        <source>FICHIER [--json]</source>
        <translation>FILE [--json]</translation>
    </message>
    <message>
        <source>résumé d&apos;un fichier de mesures</source>
        <translation>summary of a measurement file</translation>
    </message>
    <message>
        <source>  --json  un objet JSON sur une ligne : les nombres en nombres, le
          début aussi en ISO 8601 (start_iso)
</source>
        <translation>  --json  one JSON object on one line: numbers as numbers, the
          start also in ISO 8601 (start_iso)
</translation>
    </message>
    <message>
        <source>FICHIER --csv [-o SORTIE [--force]]</source>
        <translation>FILE --csv [-o OUT [--force]]</translation>
    </message>
    <message>
        <source>spectres d&apos;un fichier de mesures en CSV</source>
        <translation>spectra of a measurement file as CSV</translation>
    </message>
    <message>
        <source>  --csv       une ligne par mesure, une colonne par canal
  -o SORTIE   écrit SORTIE au lieu de la sortie standard ; jamais l&apos;entrée
  --force     remplace SORTIE si elle existe
Un fichier aux spectres indisponibles est refusé (sortie 3).
</source>
        <translation>  --csv     one line per measurement, one column per channel
  -o OUT    write OUT instead of standard output; never the input
  --force   replace OUT when it exists
A file whose spectra are unavailable is refused (exit 3).
</translation>
    </message>
    <message>
        <source>Clés absentes du fichier, envoyées comme &quot;0&quot; : %1</source>
        <translation>Keys missing from the file, sent as &quot;0&quot;: %1</translation>
    </message>
    <message>
        <source>Impossible de lire le fichier %1</source>
        <translation>Cannot read file %1</translation>
    </message>
    <message>
        <source>Le fichier %1 ne contient aucun paramètre (section &quot;%2&quot;)</source>
        <translation>The file %1 holds no parameter (section &quot;%2&quot;)</translation>
    </message>
    <message>
        <source>initialise efface les mesures de l&apos;instrument : rien n&apos;a été envoyé. Ajoutez --yes pour confirmer.</source>
        <translation>initialise erases the instrument&apos;s measurements: nothing has been sent. Add --yes to confirm.</translation>
    </message>
    <message>
        <source>Erreur de communication</source>
        <translation>Communication error</translation>
    </message>
    <message>
        <source>Erreur de communication (TimeOut)</source>
        <translation>Communication error (time-out)</translation>
    </message>
    <message>
        <source>règle l&apos;horloge (DATE : &quot;jj/mm/aaaa hh:mm&quot;), envoie et vérifie les paramètres, efface les mesures</source>
        <translation>set the clock (DATE: &quot;dd/mm/yyyy hh:mm&quot;), send and verify the parameters, erase the measurements</translation>
    </message>
    <message>
        <source>Mémoire</source>
        <translation>Memory</translation>
    </message>
    <message>
        <source>Paramètres</source>
        <translation>Parameters</translation>
    </message>
    <message>
        <source>Répertoire</source>
        <translation>Directory</translation>
    </message>
    <message>
        <source>Nombre total de mesures :</source>
        <translation>Total number of measurements:</translation>
    </message>
    <message>
        <source>Nombre d&apos;acquisitions :</source>
        <translation>Number of acquisitions:</translation>
    </message>
    <message>
        <source>Version logicielle :</source>
        <translation>Software version:</translation>
    </message>
    <message>
        <source>Rang  Acquisition  Date/Heure de début  Méthode  Mesures  Volume  EAPV</source>
        <translation> Row  Acquisition  Start date/time      Method     Count  Volume  EAPV</translation>
    </message>
    <message>
        <source>RANG manquant</source>
        <translation>ROW is missing</translation>
    </message>
    <message>
        <source>RANG</source>
        <translation>ROW</translation>
    </message>
    <message>
        <source>-o FICHIER manquant</source>
        <translation>-o FILE is missing</translation>
    </message>
    <message>
        <source>Lecture annulée</source>
        <translation>Reading cancelled</translation>
    </message>
    <message>
        <source>Pas d&apos;acquisition au rang %1 : l&apos;instrument en liste %2.</source>
        <translation>No acquisition at row %1: the instrument lists %2.</translation>
    </message>
    <message>
        <source>Mesures</source>
        <translation>Measurements</translation>
    </message>
    <message>
        <source>Acquisition %1 (%2 mesures) écrite dans %3</source>
        <translation>Acquisition %1 (%2 measurements) written to %3</translation>
    </message>
    <message>
        <source>donnez un seul de --json, --table et -o FICHIER</source>
        <translation>give one of --json, --table and -o FILE</translation>
    </message>
    <message>
        <source>--allow-missing et --yes vont avec params write</source>
        <translation>--allow-missing and --yes are for params write</translation>
    </message>
    <message>
        <source>--force va avec -o FICHIER</source>
        <translation>--force goes with -o FILE</translation>
    </message>
    <message>
        <source>%1 paramètres écrits dans %2</source>
        <translation>%1 parameters written to %2</translation>
    </message>
    <message>
        <source>--json, --table, -o et --force vont avec params read</source>
        <translation>--json, --table, -o and --force are for params read</translation>
    </message>
    <message>
        <source>%1 : pas un fichier de paramètres (aucune clé 1 à 64 dans la section &quot;Parameters&quot;). Rien n&apos;a été envoyé.</source>
        <translation>%1: not a parameter file (no key 1 to 64 in the section &quot;Parameters&quot;). Nothing was sent.</translation>
    </message>
    <message>
        <source>%1 : clés absentes de la section &quot;Parameters&quot; : %2. Rien n&apos;a été envoyé ; --allow-missing les envoie comme &quot;0&quot;.</source>
        <translation>%1: keys missing from the section &quot;Parameters&quot;: %2. Nothing was sent; --allow-missing sends them as &quot;0&quot;.</translation>
    </message>
    <message>
        <source>Rien à changer : l&apos;instrument a déjà les %1 valeurs de %2.
</source>
        <translation>Nothing to change: the instrument already has the %1 values of %2.
</translation>
    </message>
    <message>
        <source>%1 paramètre(s) changeraient. Rien n&apos;a été envoyé ; ajoutez --yes pour les écrire.</source>
        <translation>%1 parameter(s) would change. Nothing was sent; add --yes to write them.</translation>
    </message>
    <message>
        <source>Clés absentes, envoyées comme &quot;0&quot; : %1</source>
        <translation>Keys missing, sent as &quot;0&quot;: %1</translation>
    </message>
    <message>
        <source>Écriture des paramètres</source>
        <translation>Writing the parameters</translation>
    </message>
    <message>
        <source>%1 paramètre(s) changé(s), %2 envoyés</source>
        <translation>%1 parameter(s) changed, %2 sent</translation>
    </message>
    <message>
        <source>read ou write manquant</source>
        <translation>read or write is missing</translation>
    </message>
    <message>
        <source>action de params inconnue %1 (read ou write)</source>
        <translation>unknown params action %1 (read or write)</translation>
    </message>
    <message>
        <source>read ou set manquant</source>
        <translation>read or set is missing</translation>
    </message>
    <message>
        <source>action de clock inconnue %1 (read ou set)</source>
        <translation>unknown clock action %1 (read or set)</translation>
    </message>
    <message>
        <source>--json va avec clock read</source>
        <translation>--json is for clock read</translation>
    </message>
    <message>
        <source>la date et l&apos;heure manquent</source>
        <translation>the date and time are missing</translation>
    </message>
    <message>
        <source>compteurs, paramètres et acquisitions gardés dans l&apos;instrument</source>
        <translation>counts, parameters and acquisitions stored in the instrument</translation>
    </message>
    <message>
        <source>  --json  un objet JSON : les nombres en nombres, chaque début aussi
          en ISO 8601 (start_iso)
</source>
        <translation>  --json  one JSON object: numbers as numbers, each start also
          in ISO 8601 (start_iso)
</translation>
    </message>
    <message>
        <source>RANG -o FICHIER [--force] | --all -o DOSSIER [--force]</source>
        <translation>ROW -o FILE [--force] | --all -o DIR [--force]</translation>
    </message>
    <message>
        <source>lit l&apos;acquisition listée au RANG dans FICHIER, ou chacune de celles qui ne sont pas encore dans DOSSIER</source>
        <translation>download the acquisition listed at ROW into FILE, or every one not yet in DIR</translation>
    </message>
    <message>
        <source>  RANG         le rang de l&apos;acquisition dans la liste d&apos;&quot;ovra memory&quot;, à partir de 1
  -o FICHIER   le fichier de mesures à écrire (&quot;.ovra&quot;) ; vérifié avant tout
               envoi à l&apos;instrument
  --force      remplace FICHIER s&apos;il existe
  --all        chaque acquisition dans le dossier DOSSIER, un fichier chacune,
               nommé d&apos;après son début et sa méthode (2011-03-10_0830_Thomas.ovra) ;
               celles déjà dans DOSSIER sont passées, ou relues avec --force
Ctrl-C annule la lecture (sortie 8).
</source>
        <translation>  ROW        the acquisition&apos;s row in the list of &quot;ovra memory&quot;, from 1
  -o FILE    the measurement file to write (&quot;.ovra&quot;); checked before anything
             is sent to the instrument
  --force    replace FILE when it exists
  --all      every acquisition into the folder DIR, one file each named
             from its start and method (2011-03-10_0830_Thomas.ovra); those
             already in DIR are skipped, or fetched again with --force
Ctrl-C cancels the download (exit 8).
</translation>
    </message>
    <message>
        <source>read [--json | --table | -o FICHIER.par] | write FICHIER.par [--yes]</source>
        <translation>read [--json | --table | -o FILE.par] | write FILE.par [--yes]</translation>
    </message>
    <message>
        <source>lit ou écrit les paramètres de l&apos;instrument</source>
        <translation>read or write the instrument&apos;s parameters</translation>
    </message>
    <message>
        <source>read [--json] | set &quot;jj/mm/aaaa hh:mm&quot;|now</source>
        <translation>read [--json] | set &quot;dd/mm/yyyy hh:mm&quot;|now</translation>
    </message>
    <message>
        <source>lit ou règle l&apos;horloge de l&apos;instrument</source>
        <translation>read or set the instrument&apos;s clock</translation>
    </message>
    <message>
        <source>  read         l&apos;horloge de l&apos;instrument, &quot;jj/mm/aaaa hh:mm&quot;
  read --json  aussi en ISO 8601 (clock_iso)
  set QUAND    une date des années 2000 à 2099 (l&apos;instrument garde
               deux chiffres de l&apos;année), ou now
</source>
        <translation>  read         the instrument&apos;s clock, &quot;dd/mm/yyyy hh:mm&quot;
  read --json  also in ISO 8601 (clock_iso)
  set WHEN     a date of the years 2000 to 2099 (the instrument
               keeps two digits of the year), or now
</translation>
    </message>
    <message>
        <source>%1 : %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>utilisation : ovra [--port PERIPHERIQUE] [--program-directory DOSSIER] COMMANDE [ARGUMENTS]</source>
        <translation>usage: ovra [--port DEVICE] [--program-directory DIR] COMMAND [ARGS]</translation>
    </message>
    <message>
        <source>commandes :</source>
        <translation>commands:</translation>
    </message>
    <message>
        <source>utilisation : ovra [--port PERIPHERIQUE] [--program-directory DOSSIER] %1 %2</source>
        <translation>usage: ovra [--port DEVICE] [--program-directory DIR] %1 %2</translation>
    </message>
    <message>
        <source>Essayez &quot;ovra --help&quot; pour en savoir plus.</source>
        <translation>Try &apos;ovra --help&apos; for more information.</translation>
    </message>
    <message>
        <source>Essayez &quot;ovra %1 --help&quot; pour en savoir plus.</source>
        <translation>Try &apos;ovra %1 --help&apos; for more information.</translation>
    </message>
    <message>
        <source>aucune commande donnée</source>
        <translation>no command given</translation>
    </message>
    <message>
        <source>commande inconnue %1</source>
        <translation>unknown command %1</translation>
    </message>
    <message>
        <source>--program-directory %1 : dossier inexistant</source>
        <translation>--program-directory %1: no such directory</translation>
    </message>
    <message>
        <source>Clé</source>
        <translation>Key</translation>
    </message>
    <message>
        <source>Nom</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Actuel</source>
        <translation>Current</translation>
    </message>
    <message>
        <source>Nouveau</source>
        <translation>New</translation>
    </message>
    <message>
        <source>download --all demande -o DOSSIER, et --force au plus</source>
        <translation>download --all wants -o DIR, and --force at most</translation>
    </message>
    <message>
        <source>Impossible de créer le dossier %1</source>
        <translation>Cannot create the folder %1</translation>
    </message>
    <message>
        <source>[%1/%2] %3 : </source>
        <translation>[%1/%2] %3: </translation>
    </message>
    <message>
        <source>déjà téléchargée</source>
        <translation>already downloaded</translation>
    </message>
    <message>
        <source>téléchargée (%1 mesures)
</source>
        <translation>downloaded (%1 measurements)
</translation>
    </message>
    <message>
        <source>ÉCHEC</source>
        <translation>FAILED</translation>
    </message>
    <message>
        <source>%1 téléchargée(s), %2 déjà présente(s), %3 en échec
</source>
        <translation>%1 downloaded, %2 already there, %3 failed
</translation>
    </message>
    <message>
        <source>-o RAPPORT manquant</source>
        <translation>-o REPORT is missing</translation>
    </message>
    <message>
        <source>FICHIER -o RAPPORT [--force] [--table-limit N]</source>
        <translation>FILE -o REPORT [--force] [--table-limit N]</translation>
    </message>
    <message>
        <source>rapport de mesure d&apos;un fichier de mesures en PDF</source>
        <translation>measurement report of a measurement file as a PDF</translation>
    </message>
    <message>
        <source>  -o RAPPORT         le PDF à écrire ; jamais l&apos;entrée
  --force            remplace RAPPORT s&apos;il existe
  --table-limit N    le tableau des mesures n&apos;en liste que les N premières et dit
                     combien il en omet (par défaut : toutes)
Aucun affichage n&apos;est nécessaire.
</source>
        <translation>  -o REPORT          the PDF to write; never the input
  --force            replaces REPORT if it exists
  --table-limit N    the table of measurements lists only the first N and says
                     how many it leaves out (default: all of them)
No display is needed.
</translation>
    </message>
    <message>
        <source>--json et --csv ensemble</source>
        <translation>--json and --csv together</translation>
    </message>
    <message>
        <source>%1 : spectres indisponibles, rien à résumer</source>
        <translation>%1: spectra unavailable, nothing to summarise</translation>
    </message>
    <message>
        <source>%1 : fenêtres d&apos;énergie : %2</source>
        <translation>%1: energy windows: %2</translation>
    </message>
    <message>
        <source>FICHIER [--json | --csv] [--from K --to L]</source>
        <translation>FILE [--json | --csv] [--from K --to L]</translation>
    </message>
    <message>
        <source>tableau des mesures et statistiques d&apos;une plage</source>
        <translation>table of measurements and statistics of a range</translation>
    </message>
    <message>
        <source>  --json       un objet JSON sur une ligne, les nombres en nombres
  --csv        le tableau en CSV (séparateur virgule, point décimal)
  --from K     première mesure de la plage (à partir de 1)
  --to L       dernière mesure de la plage (incluse)
Une mesure par ligne : numéro, phase, total, une colonne par fenêtre
d&apos;énergie (paramètres 29 à 37). Avec une plage, les statistiques de
chaque série suivent : n, somme, moyenne, écart-type, minimum et
maximum avec leur mesure, racine de la somme. Refusés (sortie 3) : un
fichier aux spectres indisponibles, des fenêtres qui ne se convertissent
pas ; une plage hors des mesures est une erreur d&apos;usage (sortie 2).
</source>
        <translation>  --json     one JSON object on one line, numbers as numbers
  --csv      the table as CSV (comma separator, decimal point)
  --from K   first measurement of the range (from 1)
  --to L     last measurement of the range (included)
One measurement per line: number, phase, total, one column per energy
window (parameters 29 to 37). With a range, the statistics of each
series follow: n, sum, mean, standard deviation, minimum and maximum
with their measurement, square root of the sum. Refused (exit 3): a
file whose spectra are unavailable, windows that do not convert; a
range outside the measurements is a usage error (exit 2).
</translation>
    </message>
    <message>
        <source>le dossier %1 n&apos;est pas accessible en écriture (%2) ; rien n&apos;a été téléchargé</source>
        <translation>the folder %1 is not writable (%2); nothing was downloaded</translation>
    </message>
    <message>
        <source>non tentée(s) : %1
</source>
        <translation>not tried: %1
</translation>
    </message>
    <message>
        <source>--clock %1 (ou now, keep) ; rien n&apos;a été envoyé</source>
        <translation>--clock %1 (or now, keep); nothing was sent</translation>
    </message>
    <message>
        <source>Interrompu : aucun paramètre n&apos;a été envoyé.</source>
        <translation>Interrupted: no parameter was sent.</translation>
    </message>
    <message>
        <source>[FICHIER.par] --yes [--allow-missing] [--clock now|keep|DATE]</source>
        <translation>[FILE.par] --yes [--allow-missing] [--clock now|keep|DATE]</translation>
    </message>
    <message>
        <source>  FICHIER.par     les paramètres à envoyer ; sans lui, ceux de l&apos;instrument
                  (date et heure de lancement mises à maintenant dans les deux cas)
  --yes           confirme : la mémoire des mesures est effacée (sans lui,
                  rien n&apos;est envoyé, sortie 2)
  --allow-missing envoie une clé absente de FICHIER.par comme &quot;0&quot; (sinon un
                  tel fichier est refusé, sortie 3)
  --clock QUAND   now (par défaut), keep, ou &quot;jj/mm/aaaa hh:mm&quot; dans les
                  années 2000 à 2099
Ctrl-C arrête l&apos;envoi entre deux paramètres, sans effacer (sortie 8).
Sortie 9 quand l&apos;instrument rend d&apos;autres valeurs que celles envoyées.
</source>
        <translation>  FILE.par          the parameters to send; without it, the instrument&apos;s own set
                    (launch date and time stamped with now in both cases)
  --yes             go ahead: the measurement memory is erased (without it
                    nothing is sent, exit 2)
  --allow-missing   send a key missing from FILE.par as &quot;0&quot; (otherwise such a
                    file is refused, exit 3)
  --clock WHEN      now (default), keep, or &quot;dd/mm/yyyy hh:nn&quot; in the years
                    2000 to 2099
Ctrl-C stops the sending between two parameters, without erasing (exit 8).
Exit 9 when the instrument gives back other values than it was sent.
</translation>
    </message>
    <message>
        <source>%1
entrées illisibles : %2 ; le jeu de %3 les remplace.</source>
        <translation>%1
unreadable entries: %2; the set of %3 replaces them.</translation>
    </message>
    <message>
        <source>Interrompu : rien n&apos;a été envoyé.</source>
        <translation>Interrupted: nothing was sent.</translation>
    </message>
    <message>
        <source>%1 ; rien n&apos;a été envoyé</source>
        <translation>%1; nothing was sent</translation>
    </message>
    <message>
        <source>  read                 les 64 paramètres au format des fichiers de paramètres
                       (section &quot;Parameters&quot;, clés &quot;1&quot; à &quot;64&quot;) : &quot;&gt; FICHIER.par&quot;
                       fait un fichier
  read --json          un objet JSON, chaque paramètre avec sa clé et son nom
  read --table         un tableau à lire
  read -o FICHIER.par  écrit FICHIER.par ; avec --force un fichier existant reçoit
                       les 64 clés et garde ses autres lignes
  write FICHIER.par    lit les paramètres de l&apos;instrument et liste ce que
                       FICHIER.par changerait ; n&apos;envoie rien sans --yes (sortie 2)
  --yes                écrit les paramètres quand quelque chose change, même
                       quand une valeur de l&apos;instrument est trop longue pour
                       être relue
  --allow-missing      envoie une clé absente de FICHIER.par comme &quot;0&quot; (sinon un
                       tel fichier est refusé, sortie 3)
Une valeur que l&apos;instrument ne pourrait pas relire (plus de 31 caractères, &quot;;&quot;,
un caractère de contrôle) est refusée avant tout envoi (sortie 3). Ctrl-C arrête
l&apos;écriture entre deux paramètres (sortie 8).
</source>
        <translation>  read                 the 64 parameters in the parameter-file format (section
                       &quot;Parameters&quot;, keys &quot;1&quot; to &quot;64&quot;): &quot;&gt; FILE.par&quot; makes a file
  read --json          one JSON object, each parameter with its key and name
  read --table         a table to read
  read -o FILE.par     write FILE.par; with --force an existing file gets the 64
                       keys and keeps its other lines
  write FILE.par       reads the instrument&apos;s set and lists what FILE.par would
                       change; sends nothing without --yes (exit 2)
  --yes                write the set when something changes, even when a value in
                       the instrument is too long to be read back
  --allow-missing      send a key missing from FILE.par as &quot;0&quot; (otherwise such a
                       file is refused, exit 3)
A value the instrument could not read back (more than 31 characters, &quot;;&quot;,
a control character) is refused before anything is sent (exit 3). Ctrl-C stops
the write between two parameters (exit 8).
</translation>
    </message>
    <message>
        <source>Aucun port choisi (ni --port, ni dans %1) : %2 est le port par défaut du système.</source>
        <translation>No port chosen (neither --port nor in %1): %2 is the system&apos;s default port.</translation>
    </message>
    <message>
        <source>options, avant la commande :
  --port PERIPHERIQUE          port série de l&apos;instrument (par défaut : le port
                               choisi dans OvraView2, d&apos;ovra.ini dans le dossier
                               du programme)
  --program-directory DOSSIER  où est ovra.ini (par défaut : comme OvraView2 le
                               trouve)
  -h, --help                   cette aide ; pour celle d&apos;une commande :
                               &quot;ovra help COMMANDE&quot; ou &quot;ovra COMMANDE --help&quot;
  --version                    la version

codes de sortie : 0 fait, 2 mauvaise utilisation ou refus avant toute action,
3 fichier refusé, 4 erreur de fichier, 5 pas de connexion, 6 erreur de
communication, 7 erreur de somme de contrôle, 8 annulé, 9 valeurs relues autres
que celles envoyées
</source>
        <translation>options, before the command:
  --port DEVICE            serial port of the instrument (default: the port chosen
                           in OvraView2, from ovra.ini in the program directory)
  --program-directory DIR  where ovra.ini is (default: as OvraView2 finds it)
  -h, --help               this help; for the help of a command:
                           &quot;ovra help COMMAND&quot; or &quot;ovra COMMAND --help&quot;
  --version                the version

exit codes: 0 done, 2 wrong usage or refused before anything was done,
3 rejected file, 4 file error, 5 no connection, 6 communication error,
7 checksum error, 8 cancelled, 9 read back other values than were sent
</translation>
    </message>
    <message>
        <source>%1 : valeurs que l&apos;instrument ne pourrait pas relire :
%2
Rien n&apos;a été envoyé.</source>
        <translation>%1: values the instrument could not read back:
%2
Nothing was sent.</translation>
    </message>
    <message>
        <source>--from %1 est après --to %2</source>
        <translation>--from %1 is after --to %2</translation>
    </message>
</context>
<context>
    <name>ovraview2</name>
    <message>
        <source>utilisation : ovraview2 [--program-directory DOSSIER] [FICHIER.ovra]

OvraView2, le compagnon de bureau du moniteur de radon OVRA.

  FICHIER.ovra                 fichier de mesures à ouvrir au démarrage
  --program-directory DOSSIER  où sont gardés les réglages (ovra.ini) et la
                               copie de chaque lecture (data.ovra) ; par
                               défaut : le &quot;Path&quot; du magasin de réglages
                               Tarvel/OvraView2, sinon le dossier de données
                               de l&apos;utilisateur pour le programme
  -h, --help                   cette aide
  --version                    la version

codes de sortie : 0 fait, 1 pas d&apos;écran, 2 mauvaise utilisation
</source>
        <translation>usage: ovraview2 [--program-directory DIR] [FILE.ovra]

OvraView2, the desktop companion of the OVRA radon monitor.

  FILE.ovra                measurement file to open at start
  --program-directory DIR  where the settings (ovra.ini) and the copy of each
                           download (data.ovra) are kept; default: the &quot;Path&quot;
                           of the Tarvel/OvraView2 settings store, else the
                           user&apos;s data folder for the program
  -h, --help               this help
  --version                the version

exit codes: 0 done, 1 no display, 2 wrong usage
</translation>
    </message>
    <message>
        <source>pas d&apos;écran où ouvrir la fenêtre (DISPLAY ou WAYLAND_DISPLAY est-il défini ?) ; ovra fonctionne sans écran</source>
        <translation>no display to open the window on (is DISPLAY or WAYLAND_DISPLAY set?); ovra works without one</translation>
    </message>
    <message>
        <source>Essayez &quot;ovraview2 --help&quot; pour en savoir plus.
</source>
        <translation>Try &quot;ovraview2 --help&quot; for more information.
</translation>
    </message>
</context>
<context>
    <name>profile</name>
    <message>
        <source>ce n&apos;est pas un fichier</source>
        <translation>not a regular file</translation>
    </message>
</context>
<context>
    <name>settings</name>
    <message>
        <source>Impossible d&apos;écrire dans %1</source>
        <translation>Cannot write to %1</translation>
    </message>
</context>
</TS>
