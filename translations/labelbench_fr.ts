<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>BitmapFontManagerPage</name>
    <message>
        <source>Font Select</source>
        <translation>Choix de la police</translation>
    </message>
    <message>
        <source>Font Encode</source>
        <translation>Encodage police</translation>
    </message>
    <message>
        <source>Standard Encode</source>
        <translation>Encodage standard</translation>
    </message>
    <message>
        <source>Asian Font Encode</source>
        <translation>Encodage asiatique</translation>
    </message>
    <message>
        <source>Encode by Table</source>
        <translation>Encodage par table</translation>
    </message>
    <message>
        <source>Encode by Table (Asian)</source>
        <translation>Encodage par table (asiatique)</translation>
    </message>
    <message>
        <source>Font Pitch</source>
        <translation>Chasse</translation>
    </message>
    <message>
        <source>Fixed Pitch</source>
        <translation>Chasse fixe</translation>
    </message>
    <message>
        <source>Variable Pitch</source>
        <translation>Chasse variable</translation>
    </message>
    <message>
        <source>Windows Font Name</source>
        <translation>Police Windows</translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation>Taille de police</translation>
    </message>
    <message>
        <source>Printer Device</source>
        <translation>Mémoire imprimante</translation>
    </message>
    <message>
        <source>Character Set</source>
        <translation>Jeu de caractères</translation>
    </message>
    <message>
        <source>The code page in which the font&apos;s codes are read: the script its characters come from</source>
        <translation>La page de codes dans laquelle les codes de la police sont lus&#xa0;: l&apos;écriture dont proviennent ses caractères</translation>
    </message>
    <message>
        <source>Select Font</source>
        <translation>Choisir la police</translation>
    </message>
    <message>
        <source>Printer Font Name</source>
        <translation>Nom de police imprimante</translation>
    </message>
    <message>
        <source>Italic Width</source>
        <translation>Largeur italique</translation>
    </message>
    <message>
        <source>Preview Font</source>
        <translation>Aperçu de la police</translation>
    </message>
    <message>
        <source>Font Width</source>
        <translation>Largeur de police</translation>
    </message>
    <message>
        <source>Font Height</source>
        <translation>Hauteur de police</translation>
    </message>
    <message>
        <source>Font Mapping</source>
        <translation>Mappage de police</translation>
    </message>
    <message>
        <source>Standard Mapping</source>
        <translation>Mappage standard</translation>
    </message>
    <message>
        <source>Full ASCII Mapping</source>
        <translation>Mappage ASCII complet</translation>
    </message>
    <message>
        <source>Custom Mapping</source>
        <translation>Mappage personnalisé</translation>
    </message>
    <message>
        <source>Character Start ASCII</source>
        <translation>Premier caractère (ASCII)</translation>
    </message>
    <message>
        <source>Character End ASCII</source>
        <translation>Dernier caractère (ASCII)</translation>
    </message>
    <message>
        <source>Traditional Chinese</source>
        <translation>Chinois traditionnel</translation>
    </message>
    <message>
        <source>Simplified Chinese</source>
        <translation>Chinois simplifié</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>Coréen</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japonais</translation>
    </message>
    <message>
        <source>By File</source>
        <translation>Par fichier</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Charger</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Save Font</source>
        <translation>Enregistrer la police</translation>
    </message>
    <message>
        <source>Download Font</source>
        <translation>Télécharger la police</translation>
    </message>
</context>
<context>
    <name>CommandToolPage</name>
    <message>
        <source>Text encoding</source>
        <translation>Encodage du texte</translation>
    </message>
    <message>
        <source>Show replies</source>
        <translation>Afficher les réponses</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Charger</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Send File</source>
        <translation>Envoyer fichier</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Envoyer</translation>
    </message>
</context>
<context>
    <name>ConfigurationWriter</name>
    <message>
        <source>%1 holds %2, which cannot be sent to the printer</source>
        <translation>%1 contient %2, valeur qui ne peut pas être envoyée à l&apos;imprimante</translation>
    </message>
    <message>
        <source>%1 cannot be converted for the printer: the resolution %2 is not usable</source>
        <translation>%1 ne peut pas être converti pour l&apos;imprimante&#xa0;: la résolution %2 n&apos;est pas utilisable</translation>
    </message>
</context>
<context>
    <name>FileManagerPage</name>
    <message>
        <source>File Download</source>
        <translation>Téléchargement de fichier</translation>
    </message>
    <message>
        <source>File Type</source>
        <translation>Type de fichier</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Nom de fichier</translation>
    </message>
    <message>
        <source>File Size</source>
        <translation>Taille du fichier</translation>
    </message>
    <message>
        <source>Memory Device</source>
        <translation>Mémoire</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Parcourir</translation>
    </message>
    <message>
        <source>Font View</source>
        <translation>Voir la police</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Télécharger</translation>
    </message>
    <message>
        <source>File Information</source>
        <translation>Informations fichiers</translation>
    </message>
    <message>
        <source>Physical Space</source>
        <translation>Espace total</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Espace libre</translation>
    </message>
    <message>
        <source>Get</source>
        <translation>Lire</translation>
    </message>
    <message>
        <source>File Format</source>
        <translation>Formatage</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Formater</translation>
    </message>
</context>
<context>
    <name>LinkError</name>
    <message>
        <source>Port Open Error</source>
        <translation>Port Open Error</translation>
    </message>
    <message>
        <source>Data Receiving Error</source>
        <translation>Data Receiving Error</translation>
    </message>
    <message>
        <source>Please Read Printer Config First</source>
        <translation>Please Read Printer Config First</translation>
    </message>
    <message>
        <source>Data Transmission Error</source>
        <translation>Data Transmission Error</translation>
    </message>
    <message>
        <source>File Open Error</source>
        <translation>File Open Error</translation>
    </message>
    <message>
        <source>Unknown Error</source>
        <translation>Unknown Error</translation>
    </message>
</context>
<context>
    <name>PrinterConfigurationPage</name>
    <message>
        <source>Printer Configuration</source>
        <translation>Configuration imprimante</translation>
    </message>
    <message>
        <source>Common</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Vitesse</translation>
    </message>
    <message>
        <source>Density</source>
        <translation>Densité</translation>
    </message>
    <message>
        <source>Paper Width</source>
        <translation>Largeur papier</translation>
    </message>
    <message>
        <source>inch</source>
        <translation>pouce</translation>
    </message>
    <message>
        <source>Paper Height</source>
        <translation>Hauteur papier</translation>
    </message>
    <message>
        <source>Media Sensor</source>
        <translation>Capteur de support</translation>
    </message>
    <message>
        <source>Gap</source>
        <translation>Espacement</translation>
    </message>
    <message>
        <source>Gap Offset</source>
        <translation>Décalage espacement</translation>
    </message>
    <message>
        <source>Post-Print Action</source>
        <translation>Après impression</translation>
    </message>
    <message>
        <source>Cut Piece</source>
        <translation>Coupe tous les</translation>
    </message>
    <message>
        <source>Reference</source>
        <translation>Référence</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Direction</translation>
    </message>
    <message>
        <source>Offset</source>
        <translation>Décalage</translation>
    </message>
    <message>
        <source>Shift X</source>
        <translation>Déplacement X</translation>
    </message>
    <message>
        <source>Shift Y</source>
        <translation>Déplacement Y</translation>
    </message>
    <message>
        <source>Ribbon</source>
        <translation>Ruban</translation>
    </message>
    <message>
        <source>Ribbon Sensor</source>
        <translation>Capteur ruban</translation>
    </message>
    <message>
        <source>Ribbon Encoder Err.</source>
        <translation>Erreur codeur ruban</translation>
    </message>
    <message>
        <source>Code Page</source>
        <translation>Page de codes</translation>
    </message>
    <message>
        <source>Country Code</source>
        <translation>Code pays</translation>
    </message>
    <message>
        <source>Head-up Sensor</source>
        <translation>Capteur tête levée</translation>
    </message>
    <message>
        <source>Reprint After Error</source>
        <translation>Réimpression après erreur</translation>
    </message>
    <message>
        <source>Maximum Length</source>
        <translation>Longueur maximale</translation>
    </message>
    <message>
        <source>Gap Inten.</source>
        <translation>Int. espacement</translation>
    </message>
    <message>
        <source>Bline Inten.</source>
        <translation>Int. marque noire</translation>
    </message>
    <message>
        <source>Continuous Inten.</source>
        <translation>Int. continu</translation>
    </message>
    <message>
        <source>Threshold Detection</source>
        <translation>Détection du seuil</translation>
    </message>
    <message>
        <source>Z</source>
        <translation>Z</translation>
    </message>
    <message>
        <source>Darkness</source>
        <translation>Contraste</translation>
    </message>
    <message>
        <source>0 to 30</source>
        <translation>0 à 30</translation>
    </message>
    <message>
        <source>Print Speed</source>
        <translation>Vitesse d&apos;impression</translation>
    </message>
    <message>
        <source>Tear Off</source>
        <translation>Arrachage</translation>
    </message>
    <message>
        <source>-120 to 120</source>
        <translation>-120 à 120</translation>
    </message>
    <message>
        <source>Print Mode</source>
        <translation>Mode d&apos;impression</translation>
    </message>
    <message>
        <source>Print Width</source>
        <translation>Largeur d&apos;impression</translation>
    </message>
    <message>
        <source>Control Prefix</source>
        <translation>Préfixe de contrôle</translation>
    </message>
    <message>
        <source>Format Prefix</source>
        <translation>Préfixe de format</translation>
    </message>
    <message>
        <source>Delimiter Char</source>
        <translation>Délimiteur</translation>
    </message>
    <message>
        <source>Media Power Up</source>
        <translation>Mise sous tension</translation>
    </message>
    <message>
        <source>Head Close</source>
        <translation>Fermeture tête</translation>
    </message>
    <message>
        <source>Label Top</source>
        <translation>Haut d&apos;étiquette</translation>
    </message>
    <message>
        <source>Left Position</source>
        <translation>Position gauche</translation>
    </message>
    <message>
        <source>-9999 to 9999</source>
        <translation>-9999 à 9999</translation>
    </message>
    <message>
        <source>D</source>
        <translation>D</translation>
    </message>
    <message>
        <source>Heat</source>
        <translation>Chauffe</translation>
    </message>
    <message>
        <source>Label Width</source>
        <translation>Largeur étiquette</translation>
    </message>
    <message>
        <source>Present Sensor</source>
        <translation>Capteur de présence</translation>
    </message>
    <message>
        <source>Cutter Equipped</source>
        <translation>Massicot installé</translation>
    </message>
    <message>
        <source>Control Codes</source>
        <translation>Codes de contrôle</translation>
    </message>
    <message>
        <source>Column Offset</source>
        <translation>Décalage colonne</translation>
    </message>
    <message>
        <source>Row Offset</source>
        <translation>Décalage ligne</translation>
    </message>
    <message>
        <source>Interface</source>
        <translation>Interface</translation>
    </message>
    <message>
        <source>Baud Rate</source>
        <translation>Débit en bauds</translation>
    </message>
    <message>
        <source>Data Bits</source>
        <translation>Bits de données</translation>
    </message>
    <message>
        <source>Parity</source>
        <translation>Parité</translation>
    </message>
    <message>
        <source>Stop Bit(s)</source>
        <translation>Bit(s) d&apos;arrêt</translation>
    </message>
    <message>
        <source>Get</source>
        <translation>Lire</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Définir</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Charger</translation>
    </message>
    <message>
        <source>Printer Information</source>
        <translation>Informations imprimante</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>Version&#xa0;:</translation>
    </message>
    <message>
        <source>Serial No:</source>
        <translation>N° de série&#xa0;:</translation>
    </message>
    <message>
        <source>Check Sum:</source>
        <translation>Somme de contrôle&#xa0;:</translation>
    </message>
    <message>
        <source>Cutting Counter:</source>
        <translation>Compteur de coupes&#xa0;:</translation>
    </message>
    <message>
        <source>Mileage:</source>
        <translation>Kilométrage&#xa0;:</translation>
    </message>
    <message>
        <source>Km</source>
        <translation>km</translation>
    </message>
    <message>
        <source>Printer Status</source>
        <translation>État de l&apos;imprimante</translation>
    </message>
    <message>
        <source>Get Status</source>
        <translation>Lire l&apos;état</translation>
    </message>
</context>
<context>
    <name>PrinterFunctionBox</name>
    <message>
        <source>Printer Function</source>
        <translation>Fonctions imprimante</translation>
    </message>
    <message>
        <source>Calibrate Sensor </source>
        <translation>Calibrer le capteur </translation>
    </message>
    <message>
        <source>Ethernet Setup</source>
        <translation>Paramètres Ethernet</translation>
    </message>
    <message>
        <source>RTC Setup</source>
        <translation>Paramètres RTC</translation>
    </message>
    <message>
        <source>Factory Default</source>
        <translation>Paramètres d&apos;usine</translation>
    </message>
    <message>
        <source>Reset Printer</source>
        <translation>Réinitialiser</translation>
    </message>
    <message>
        <source>Print Test Page</source>
        <translation>Imprimer page de test</translation>
    </message>
    <message>
        <source>Configuration Page</source>
        <translation>Page de configuration</translation>
    </message>
    <message>
        <source>Dump Text</source>
        <translation>Mode dump</translation>
    </message>
    <message>
        <source>Ignore AUTO.BAS</source>
        <translation>Ignorer AUTO.BAS</translation>
    </message>
    <message>
        <source>Out of Line Mode</source>
        <translation>Quitter mode ligne</translation>
    </message>
    <message>
        <source>Password Setup</source>
        <translation>Paramètres mot de passe</translation>
    </message>
</context>
<context>
    <name>TFormDumpTextSetup</name>
    <message>
        <source>Dump Text Setup</source>
        <translation>Paramètres mode dump</translation>
    </message>
    <message>
        <source>Print Label</source>
        <translation>Imprimer sur étiquette</translation>
    </message>
    <message>
        <source>Save to SD Card</source>
        <translation>Enregistrer sur carte SD</translation>
    </message>
    <message>
        <source>Save to File</source>
        <translation>Enregistrer dans un fichier</translation>
    </message>
    <message>
        <source>File Name:</source>
        <translation>Nom de fichier&#xa0;:</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Définir</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>TFormEthernetSetup</name>
    <message>
        <source>Ethernet Setup</source>
        <translation>Paramètres Ethernet</translation>
    </message>
    <message>
        <source>IP Setup</source>
        <translation>Paramètres IP</translation>
    </message>
    <message>
        <source>DHCP</source>
        <translation>DHCP</translation>
    </message>
    <message>
        <source>Static IP</source>
        <translation>IP statique</translation>
    </message>
    <message>
        <source>IP:</source>
        <translation>IP&#xa0;:</translation>
    </message>
    <message>
        <source>Subnet Mask:</source>
        <translation>Masque de sous-réseau&#xa0;:</translation>
    </message>
    <message>
        <source>Gateway:</source>
        <translation>Passerelle&#xa0;:</translation>
    </message>
    <message>
        <source>Printer Name:</source>
        <translation>Nom d&apos;imprimante&#xa0;:</translation>
    </message>
    <message>
        <source>MAC Address:</source>
        <translation>Adresse MAC&#xa0;:</translation>
    </message>
    <message>
        <source>Set Printer Name</source>
        <translation>Définir le nom</translation>
    </message>
    <message>
        <source>Set IP</source>
        <translation>Définir l&apos;IP</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>TFormLPTSetup</name>
    <message>
        <source>LPT Setup</source>
        <translation>Paramètres LPT</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Définir</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>TFormMain</name>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Unité</translation>
    </message>
    <message>
        <source>inch</source>
        <translation>pouce</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>Interface</source>
        <translation>Interface</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Printer Configuration</source>
        <translation>Configuration imprimante</translation>
    </message>
    <message>
        <source>File Manager</source>
        <translation>Gestion des fichiers</translation>
    </message>
    <message>
        <source>Bitmap Font Manager</source>
        <translation>Gestion des polices bitmap</translation>
    </message>
    <message>
        <source>Command Tool</source>
        <translation>Outil de commandes</translation>
    </message>
</context>
<context>
    <name>TFormNetSetup</name>
    <message>
        <source>Printer Name</source>
        <translation>Nom d&apos;imprimante</translation>
    </message>
    <message>
        <source>MAC</source>
        <translation>MAC</translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation>Adresse IP</translation>
    </message>
    <message>
        <source>Model Name</source>
        <translation>Modèle</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Discover Device</source>
        <translation>Rechercher appareils</translation>
    </message>
    <message>
        <source>Factory Default</source>
        <translation>Paramètres d&apos;usine</translation>
    </message>
    <message>
        <source>Change IP Address</source>
        <translation>Modifier l&apos;adresse IP</translation>
    </message>
    <message>
        <source>Web Setup</source>
        <translation>Paramètres web</translation>
    </message>
    <message>
        <source>IP Setting</source>
        <translation>Réglage IP</translation>
    </message>
    <message>
        <source>IP Address/Printer Name:</source>
        <translation>Adresse IP/Nom d&apos;imprimante&#xa0;:</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Port&#xa0;:</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>TFormPassword</name>
    <message>
        <source>Password</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>Please enter your password</source>
        <translation>Veuillez saisir votre mot de passe</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>TFormPasswordSetup</name>
    <message>
        <source>Password Setup</source>
        <translation>Paramètres mot de passe</translation>
    </message>
    <message>
        <source>Old Password</source>
        <translation>Ancien mot de passe</translation>
    </message>
    <message>
        <source>New Password</source>
        <translation>Nouveau mot de passe</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>TFormPreviewFont</name>
    <message>
        <source>Character Chart</source>
        <translation>Table des caractères</translation>
    </message>
    <message>
        <source>Built Font</source>
        <translation>Police générée</translation>
    </message>
    <message>
        <source>Build from Page</source>
        <translation>Générer depuis la page</translation>
    </message>
    <message>
        <source>Open Font File</source>
        <translation>Ouvrir un fichier de police</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>TFormProcess</name>
    <message>
        <source>Communicating...</source>
        <translation>Communicating...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>TFormRTCSetup</name>
    <message>
        <source>RTC Setup</source>
        <translation>Paramètres RTC</translation>
    </message>
    <message>
        <source>Year:</source>
        <translation>Année&#xa0;:</translation>
    </message>
    <message>
        <source>Month:</source>
        <translation>Mois&#xa0;:</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Jour&#xa0;:</translation>
    </message>
    <message>
        <source>Hour:</source>
        <translation>Heure&#xa0;:</translation>
    </message>
    <message>
        <source>Minute:</source>
        <translation>Minute&#xa0;:</translation>
    </message>
    <message>
        <source>Second:</source>
        <translation>Seconde&#xa0;:</translation>
    </message>
    <message>
        <source>Get System Time</source>
        <translation>Obtenir l&apos;heure système</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Définir</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>TFormRs232Setup</name>
    <message>
        <source>RS232 Setup</source>
        <translation>Paramètres RS232</translation>
    </message>
    <message>
        <source>COM Port:</source>
        <translation>Port COM&#xa0;:</translation>
    </message>
    <message>
        <source>Baud Rate:</source>
        <translation>Débit en bauds&#xa0;:</translation>
    </message>
    <message>
        <source>Data Bits:</source>
        <translation>Bits de données&#xa0;:</translation>
    </message>
    <message>
        <source>Parity Check:</source>
        <translation>Contrôle de parité&#xa0;:</translation>
    </message>
    <message>
        <source>Stop Bit(s):</source>
        <translation>Bit(s) d&apos;arrêt&#xa0;:</translation>
    </message>
    <message>
        <source>Hardware Handshaking:</source>
        <translation>Contrôle de flux matériel&#xa0;:</translation>
    </message>
    <message>
        <source>Software Handshaking:</source>
        <translation>Contrôle de flux logiciel&#xa0;:</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Définir</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>TFormSensorCalibrate</name>
    <message>
        <source>Sensor Calibration</source>
        <translation>Calibrage du capteur</translation>
    </message>
    <message>
        <source>Auto Calibration</source>
        <translation>Calibrage automatique</translation>
    </message>
    <message>
        <source>Paper Height</source>
        <translation>Hauteur papier</translation>
    </message>
    <message>
        <source>inch</source>
        <translation>pouce</translation>
    </message>
    <message>
        <source>Gap</source>
        <translation>Espacement</translation>
    </message>
    <message>
        <source>Calibrate</source>
        <translation>Calibrer</translation>
    </message>
    <message>
        <source>Media Type</source>
        <translation>Type de support</translation>
    </message>
    <message>
        <source>GAP</source>
        <translation>GAP</translation>
    </message>
    <message>
        <source>Black Mark</source>
        <translation>Marque noire</translation>
    </message>
    <message>
        <source>Continuous</source>
        <translation>Continu</translation>
    </message>
    <message>
        <source>Auto Selection</source>
        <translation>Sélection auto</translation>
    </message>
    <message>
        <source>Manual Setup</source>
        <translation>Paramétrage manuel</translation>
    </message>
    <message>
        <source>Sensor Intension</source>
        <translation>Intensité capteur</translation>
    </message>
    <message>
        <source>Threshold Value</source>
        <translation>Valeur de seuil</translation>
    </message>
    <message>
        <source>Reading Intension</source>
        <translation>Intensité de mesure</translation>
    </message>
    <message>
        <source>Current Reading</source>
        <translation>Mesure actuelle</translation>
    </message>
    <message>
        <source>Label Reading</source>
        <translation>Mesure étiquette</translation>
    </message>
    <message>
        <source>Gap Reading</source>
        <translation>Mesure espacement</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Définir</translation>
    </message>
    <message>
        <source>Calibration</source>
        <translation>Calibrage</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>lb::BitmapFontManagerPage</name>
    <message>
        <source>%1 has no characters of the character set %2: the font&apos;s cells would come out empty or drawn in another font.</source>
        <translation>%1 ne contient aucun caractère du jeu de caractères %2&#xa0;: les cellules de la police resteraient vides ou seraient dessinées dans une autre police.</translation>
    </message>
    <message>
        <source>Build the font all the same?</source>
        <translation>Générer la police quand même&#xa0;?</translation>
    </message>
    <message>
        <source>The table file could not be opened.</source>
        <translation>Le fichier de table n&apos;a pas pu être ouvert.</translation>
    </message>
    <message>
        <source>The character %1 cannot be saved in %2. Nothing was saved.</source>
        <translation>Le caractère %1 ne peut pas être enregistré en %2. Rien n&apos;a été enregistré.</translation>
    </message>
    <message>
        <source>The file could not be saved.</source>
        <translation>Le fichier n&apos;a pas pu être enregistré.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is ticked, but no table file has been loaded.</source>
        <translation>&quot;%1&quot; est coché, mais aucun fichier de table n&apos;a été chargé.</translation>
    </message>
    <message>
        <source>The table file %1 cannot be read, is larger than %2 bytes or holds no character.</source>
        <translation>Le fichier de table %1 est illisible, dépasse %2 octets ou ne contient aucun caractère.</translation>
    </message>
    <message>
        <source>The encode table&apos;s character %1 has no code in %2.</source>
        <translation>Le caractère %1 de la table d&apos;encodage n&apos;a pas de code en %2.</translation>
    </message>
    <message>
        <source>The encode table is larger than %1 bytes.</source>
        <translation>La table d&apos;encodage dépasse %1 octets.</translation>
    </message>
    <message>
        <source>The encode table is empty.</source>
        <translation>La table d&apos;encodage est vide.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is empty.</source>
        <translation>&quot;%1&quot; est vide.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must lie between 0 and 255.</source>
        <translation>&quot;%1&quot; doit être compris entre 0 et 255.</translation>
    </message>
    <message>
        <source>No code page is chosen in &quot;%1&quot;.</source>
        <translation>Aucune page de codes n&apos;est choisie dans &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The encode table holds no double-byte character.</source>
        <translation>La table d&apos;encodage ne contient aucun caractère sur deux octets.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must not be negative.</source>
        <translation>&quot;%1&quot; ne doit pas être négatif.</translation>
    </message>
</context>
<context>
    <name>lb::CommandText</name>
    <message>
        <source>Western</source>
        <translation>Occidental</translation>
    </message>
    <message>
        <source>Unicode</source>
        <translation>Unicode</translation>
    </message>
    <message>
        <source>Traditional Chinese</source>
        <translation>Chinois traditionnel</translation>
    </message>
    <message>
        <source>Simplified Chinese</source>
        <translation>Chinois simplifié</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japonais</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>Coréen</translation>
    </message>
</context>
<context>
    <name>lb::CommandToolPage</name>
    <message>
        <source>The character %1 cannot be saved in %2. Nothing was saved.</source>
        <translation>Le caractère %1 ne peut pas être enregistré en %2. Rien n&apos;a été enregistré.</translation>
    </message>
    <message>
        <source>The character %1 cannot be sent in %2. Nothing was sent.</source>
        <translation>Le caractère %1 ne peut pas être envoyé en %2. Rien n&apos;a été envoyé.</translation>
    </message>
    <message>
        <source>No answer.</source>
        <translation>Pas de réponse.</translation>
    </message>
    <message>
        <source>The file does not fit in the editor, which holds at most %1 characters. Nothing was added.</source>
        <translation>Le fichier ne tient pas dans l&apos;éditeur, qui contient au plus %1 caractères. Rien n&apos;a été ajouté.</translation>
    </message>
    <message>
        <source>Some bytes of the file are no %1 text: they show as �.</source>
        <translation>Certains octets du fichier ne sont pas du texte %1&#xa0;: ils s&apos;affichent comme �.</translation>
    </message>
    <message>
        <source>The file could not be saved.</source>
        <translation>Le fichier n&apos;a pas pu être enregistré.</translation>
    </message>
</context>
<context>
    <name>lb::FileManagerPage</name>
    <message>
        <source>%1 downloaded to %2 (%3 bytes)</source>
        <translation>%1 téléchargé vers %2 (%3 octets)</translation>
    </message>
    <message>
        <source>%1 sent (%2 bytes)</source>
        <translation>%1 envoyé (%2 octets)</translation>
    </message>
    <message>
        <source>Memory information read</source>
        <translation>Informations mémoire lues</translation>
    </message>
    <message>
        <source>Every file in %1 will be deleted.</source>
        <translation>Tous les fichiers de %1 seront supprimés.</translation>
    </message>
    <message>
        <source>%1 formatted</source>
        <translation>Mémoire %1 formatée</translation>
    </message>
</context>
<context>
    <name>lb::FontCharset</name>
    <message>
        <source>ANSI</source>
        <translation>ANSI</translation>
    </message>
    <message>
        <source>Big5</source>
        <translation>Big5</translation>
    </message>
    <message>
        <source>GB2312</source>
        <translation>GB2312</translation>
    </message>
    <message>
        <source>Hangul</source>
        <translation>Hangul</translation>
    </message>
    <message>
        <source>Shift-JIS</source>
        <translation>Shift-JIS</translation>
    </message>
    <message>
        <source>Central European</source>
        <translation>Europe centrale</translation>
    </message>
    <message>
        <source>Cyrillic</source>
        <translation>Cyrillique</translation>
    </message>
    <message>
        <source>Greek</source>
        <translation>Grec</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>Turc</translation>
    </message>
    <message>
        <source>Hebrew</source>
        <translation>Hébreu</translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation>Arabe</translation>
    </message>
    <message>
        <source>Baltic</source>
        <translation>Balte</translation>
    </message>
    <message>
        <source>Vietnamese</source>
        <translation>Vietnamien</translation>
    </message>
    <message>
        <source>Thai</source>
        <translation>Thaï</translation>
    </message>
</context>
<context>
    <name>lb::FontRules</name>
    <message>
        <source>Type the printer font name.</source>
        <translation>Saisissez le nom de police imprimante.</translation>
    </message>
    <message>
        <source>The printer font name has %1 characters; at most %2 fit.</source>
        <translation>Le nom de police imprimante compte %1 caractères&#xa0;; %2 au maximum sont possibles.</translation>
    </message>
    <message>
        <source>The printer font name cannot contain a double quote, a line break or another control character, nor a character beyond Latin-1.</source>
        <translation>Le nom de police imprimante ne peut contenir ni guillemet double, ni saut de ligne ou autre caractère de contrôle, ni caractère hors Latin-1.</translation>
    </message>
</context>
<context>
    <name>lb::Language</name>
    <message>
        <source>English</source>
        <translation>Anglais</translation>
    </message>
    <message>
        <source>Traditional Chinese</source>
        <translation>Chinois traditionnel</translation>
    </message>
    <message>
        <source>Simplified Chinese</source>
        <translation>Chinois simplifié</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japonais</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Espagnol</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>Portugais</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Allemand</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Français</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italien</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Russe</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Polonais</translation>
    </message>
    <message>
        <source>Lithuanian</source>
        <translation>Lituanien</translation>
    </message>
    <message>
        <source>Czech</source>
        <translation>Tchèque</translation>
    </message>
    <message>
        <source>Ukrainian</source>
        <translation>Ukrainien</translation>
    </message>
</context>
<context>
    <name>lb::Link</name>
    <message>
        <source>LPT: the parallel port cannot read.</source>
        <translation>LPT&#xa0;: le port parallèle ne peut pas lire.</translation>
    </message>
    <message>
        <source>not a parallel port (LPT1 to LPT4, or a device path)</source>
        <translation>pas un port parallèle (LPT1 à LPT4, ou un chemin de périphérique)</translation>
    </message>
    <message>
        <source>permission denied: the user needs to be in group lp (then log in again)</source>
        <translation>permission refusée&#xa0;: l&apos;utilisateur doit appartenir au groupe lp (puis se reconnecter)</translation>
    </message>
    <message>
        <source>in use by another program</source>
        <translation>utilisé par un autre programme</translation>
    </message>
    <message>
        <source>the printer took no data for %1 ms (out of paper, or off line?)</source>
        <translation>l&apos;imprimante n&apos;a accepté aucune donnée pendant %1 ms (papier épuisé ou hors ligne&#xa0;?)</translation>
    </message>
    <message>
        <source>the device is gone</source>
        <translation>le périphérique a disparu</translation>
    </message>
    <message>
        <source>The reply is not a valid frame.</source>
        <translation>La réponse n&apos;est pas une trame valide.</translation>
    </message>
    <message>
        <source>More than %1 bytes arrived without a reply frame.</source>
        <translation>Plus de %1 octets sont arrivés sans trame de réponse.</translation>
    </message>
    <message>
        <source>The reply is longer than the %1 bytes it may have.</source>
        <translation>La réponse dépasse les %1 octets autorisés.</translation>
    </message>
    <message>
        <source>The reply line carries more than %1 CRs.</source>
        <translation>La ligne de réponse contient plus de %1 caractères CR.</translation>
    </message>
    <message>
        <source>The reply line is longer than %1 characters.</source>
        <translation>La ligne de réponse dépasse %1 caractères.</translation>
    </message>
    <message>
        <source>no such device</source>
        <translation>périphérique inexistant</translation>
    </message>
    <message>
        <source>permission denied: the user needs to be in group dialout (then log in again)</source>
        <translation>permission refusée&#xa0;: l&apos;utilisateur doit appartenir au groupe dialout (puis se reconnecter)</translation>
    </message>
    <message>
        <source>not a serial port (COM1 to COM30, or a device path)</source>
        <translation>pas un port série (COM1 à COM30, ou un chemin de périphérique)</translation>
    </message>
    <message>
        <source>the port did not send the data within %1 ms</source>
        <translation>le port n&apos;a pas envoyé les données en %1 ms</translation>
    </message>
    <message>
        <source>no reply within %1 ms</source>
        <translation>aucune réponse en %1 ms</translation>
    </message>
    <message>
        <source>connection refused (is the printer on and is the port right?)</source>
        <translation>connexion refusée (l&apos;imprimante est-elle allumée et le port est-il correct&#xa0;?)</translation>
    </message>
    <message>
        <source>host not found</source>
        <translation>hôte introuvable</translation>
    </message>
    <message>
        <source>timed out: no answer within %1 ms</source>
        <translation>délai dépassé&#xa0;: aucune réponse en %1 ms</translation>
    </message>
    <message>
        <source>the printer closed the connection</source>
        <translation>l&apos;imprimante a fermé la connexion</translation>
    </message>
    <message>
        <source>no printer address is set</source>
        <translation>aucune adresse d&apos;imprimante n&apos;est définie</translation>
    </message>
    <message>
        <source>%1 is not a TCP port</source>
        <translation>%1 n&apos;est pas un port TCP</translation>
    </message>
    <message>
        <source>the printer took no data for %1 ms</source>
        <translation>l&apos;imprimante n&apos;a accepté aucune donnée pendant %1 ms</translation>
    </message>
    <message>
        <source>permission denied: install the udev rule 60-labelbench-printers.rules from packaging/ (see the README), then replug the printer</source>
        <translation>permission refusée&#xa0;: installez la règle udev 60-labelbench-printers.rules de packaging/ (voir le README), puis rebranchez l&apos;imprimante</translation>
    </message>
    <message>
        <source>USB cannot be used on this system</source>
        <translation>l&apos;USB n&apos;est pas utilisable sur ce système</translation>
    </message>
    <message>
        <source>the device has no printer interface</source>
        <translation>le périphérique n&apos;a pas d&apos;interface imprimante</translation>
    </message>
    <message>
        <source>no device with an accepted vendor identifier (%1)</source>
        <translation>aucun périphérique avec un identifiant fournisseur accepté (%1)</translation>
    </message>
    <message>
        <source>the device cannot be opened</source>
        <translation>le périphérique ne peut pas être ouvert</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>annulé</translation>
    </message>
    <message>
        <source>The list has more than %1 entries.</source>
        <translation>La liste compte plus de %1 entrées.</translation>
    </message>
    <message>
        <source>The list did not end within %1 s.</source>
        <translation>La liste ne s&apos;est pas terminée en %1 s.</translation>
    </message>
    <message>
        <source>The list is longer than the %1 bytes it may have.</source>
        <translation>La liste dépasse les %1 octets autorisés.</translation>
    </message>
</context>
<context>
    <name>lb::Outcome</name>
    <message>
        <source>Cancelled</source>
        <translation>Annulé</translation>
    </message>
</context>
<context>
    <name>lb::PrinterConfigurationPage</name>
    <message>
        <source>Configuration read (edition %1)</source>
        <translation>Configuration lue (édition %1)</translation>
    </message>
    <message>
        <source>Configuration cleared</source>
        <translation>Configuration effacée</translation>
    </message>
    <message>
        <source>Page %1 not written</source>
        <translation>Page %1 non écrite</translation>
    </message>
    <message>
        <source>Page %1 written: %2 settings</source>
        <translation>Page %1 écrite&#xa0;: %2 réglages</translation>
    </message>
    <message>
        <source>Configuration saved to %1</source>
        <translation>Configuration enregistrée dans %1</translation>
    </message>
    <message>
        <source>Configuration loaded from %1</source>
        <translation>Configuration chargée depuis %1</translation>
    </message>
    <message>
        <source>Printer status: %1</source>
        <translation>État de l&apos;imprimante&#xa0;: %1</translation>
    </message>
    <message>
        <source>The entry %1 is unknown, missing or holds a value that cannot be used.</source>
        <translation>L&apos;entrée %1 est inconnue, manquante ou contient une valeur inutilisable.</translation>
    </message>
    <message>
        <source>%1 holds a value a .json file cannot hold; nothing was saved.</source>
        <translation>%1 contient une valeur qu&apos;un fichier .json ne peut pas contenir&#xa0;; rien n&apos;a été enregistré.</translation>
    </message>
</context>
<context>
    <name>lb::PrinterFiles</name>
    <message>
        <source>Type the printer file name.</source>
        <translation>Saisissez le nom du fichier dans l&apos;imprimante.</translation>
    </message>
    <message>
        <source>The printer file name cannot contain a double quote, a line break or another control character, nor a character beyond Latin-1.</source>
        <translation>Le nom du fichier dans l&apos;imprimante ne peut contenir ni guillemet double, ni saut de ligne ou autre caractère de contrôle, ni caractère hors Latin-1.</translation>
    </message>
    <message>
        <source>larger than %1 bytes, which is the most that can be sent</source>
        <translation>plus de %1 octets, le maximum qui puisse être envoyé</translation>
    </message>
    <message>
        <source>the file changed while it was read</source>
        <translation>le fichier a changé pendant sa lecture</translation>
    </message>
</context>
<context>
    <name>lb::PrinterFunctionBox</name>
    <message>
        <source>Sensor calibration sent</source>
        <translation>Calibrage du capteur envoyé</translation>
    </message>
    <message>
        <source>Network address settings sent</source>
        <translation>Paramètres d&apos;adresse réseau envoyés</translation>
    </message>
    <message>
        <source>Printer name sent</source>
        <translation>Nom d&apos;imprimante envoyé</translation>
    </message>
    <message>
        <source>Clock set</source>
        <translation>Horloge réglée</translation>
    </message>
    <message>
        <source>Dump mode started</source>
        <translation>Mode dump démarré</translation>
    </message>
    <message>
        <source>Send the text to be captured to the printer now, from the label program or the Command Tool, then press OK.</source>
        <translation>Envoyez maintenant à l&apos;imprimante le texte à capturer, depuis le logiciel d&apos;étiquetage ou l&apos;Outil de commandes, puis appuyez sur OK.</translation>
    </message>
    <message>
        <source>The dump is empty: the printer captured no text.</source>
        <translation>Le dump est vide&#xa0;: l&apos;imprimante n&apos;a capturé aucun texte.</translation>
    </message>
    <message>
        <source>The dump is empty</source>
        <translation>Dump vide</translation>
    </message>
    <message>
        <source>Dump saved to %1 (%2 bytes)</source>
        <translation>Dump enregistré dans %1 (%2 octets)</translation>
    </message>
    <message>
        <source>Factory default sent</source>
        <translation>Paramètres d&apos;usine envoyés</translation>
    </message>
    <message>
        <source>Printer reset</source>
        <translation>Imprimante réinitialisée</translation>
    </message>
    <message>
        <source>Test page sent</source>
        <translation>Page de test envoyée</translation>
    </message>
    <message>
        <source>Configuration page sent</source>
        <translation>Page de configuration envoyée</translation>
    </message>
    <message>
        <source>Ignore AUTO.BAS sent</source>
        <translation>Commande «&#xa0;Ignorer AUTO.BAS&#xa0;» envoyée</translation>
    </message>
    <message>
        <source>Line mode left</source>
        <translation>Mode ligne quitté</translation>
    </message>
    <message>
        <source>Password changed</source>
        <translation>Mot de passe modifié</translation>
    </message>
</context>
<context>
    <name>lb::PrinterStatus</name>
    <message>
        <source>Printing</source>
        <translation>Impression</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Paper Jam</source>
        <translation>Bourrage papier</translation>
    </message>
    <message>
        <source>Out of Paper</source>
        <translation>Papier épuisé</translation>
    </message>
    <message>
        <source>Ribbon Encoder Err.</source>
        <translation>Erreur codeur ruban</translation>
    </message>
    <message>
        <source>Out of Ribbon</source>
        <translation>Ruban épuisé</translation>
    </message>
    <message>
        <source>Other Error</source>
        <translation>Autre erreur</translation>
    </message>
    <message>
        <source>Head Open</source>
        <translation>Tête ouverte</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Prêt</translation>
    </message>
</context>
<context>
    <name>lb::Refusal</name>
    <message>
        <source>%1: &apos;%2&apos; is not a number</source>
        <translation>%1&#xa0;: &apos;%2&apos; n&apos;est pas un nombre</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a number</source>
        <translation>&apos;%1&apos; n&apos;est pas un nombre</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; is out of range</source>
        <translation>%1&#xa0;: &apos;%2&apos; est hors limites</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is out of range</source>
        <translation>&apos;%1&apos; est hors limites</translation>
    </message>
</context>
<context>
    <name>lb::SensorChart</name>
    <message>
        <source>Label</source>
        <translation>Étiquette</translation>
    </message>
    <message>
        <source>Live %1</source>
        <translation>En direct %1</translation>
    </message>
    <message>
        <source>Intensity %1</source>
        <translation>Intensité %1</translation>
    </message>
    <message>
        <source>Threshold %1</source>
        <translation>Seuil %1</translation>
    </message>
    <message>
        <source>Intensity</source>
        <translation>Intensité</translation>
    </message>
    <message>
        <source>No readings yet</source>
        <translation>Aucune mesure pour l&apos;instant</translation>
    </message>
</context>
<context>
    <name>lb::TFormEthernetSetup</name>
    <message>
        <source>The printer name &quot;%1&quot; cannot be sent: the printer knows only Latin-1 characters.</source>
        <translation>Le nom d&apos;imprimante &quot;%1&quot; ne peut pas être envoyé&#xa0;: l&apos;imprimante ne connaît que les caractères Latin-1.</translation>
    </message>
</context>
<context>
    <name>lb::TFormMain</name>
    <message>
        <source>Looking for the printer on %1…</source>
        <translation>Recherche de l&apos;imprimante sur %1…</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Annulé</translation>
    </message>
    <message>
        <source>No printer answered on %1 — choose the interface and press Get, or start with --demo to try LabelBench</source>
        <translation>Aucune imprimante n&apos;a répondu sur %1 — choisissez l&apos;interface et cliquez sur Lire, ou lancez avec --demo pour essayer LabelBench</translation>
    </message>
</context>
<context>
    <name>lb::TFormNetSetup</name>
    <message>
        <source>The printer %1 returns to its factory settings.</source>
        <translation>L&apos;imprimante %1 va revenir à ses paramètres d&apos;usine.</translation>
    </message>
    <message>
        <source>The request could not be sent on this computer&apos;s network; the printer has not been changed.</source>
        <translation>La requête n&apos;a pas pu être envoyée sur le réseau de cet ordinateur&#xa0;; l&apos;imprimante n&apos;a pas été modifiée.</translation>
    </message>
</context>
<context>
    <name>lb::TFormPassword</name>
    <message>
        <source>Incorrect</source>
        <translation>Mot de passe incorrect</translation>
    </message>
</context>
<context>
    <name>lb::TFormPasswordSetup</name>
    <message>
        <source>Incorrect</source>
        <translation>Mot de passe incorrect</translation>
    </message>
    <message>
        <source>The new password can have at most %1 characters, none of them a double quote or a control character (such as a line break, a tab or ESC).</source>
        <translation>Le nouveau mot de passe peut comporter au plus %1 caractères, dont aucun guillemet double ni caractère de contrôle (tel qu&apos;un saut de ligne, une tabulation ou ESC).</translation>
    </message>
</context>
<context>
    <name>lb::TFormPreviewFont</name>
    <message>
        <source>Build the page&apos;s font to see the bitmaps the printer will receive.</source>
        <translation>Générez la police de la page pour voir les bitmaps que l&apos;imprimante recevra.</translation>
    </message>
    <message>
        <source>This is no font file the printer can use: %1</source>
        <translation>Ce n&apos;est pas un fichier de police utilisable par l&apos;imprimante&#xa0;: %1</translation>
    </message>
    <message>
        <source>variable pitch</source>
        <translation>chasse variable</translation>
    </message>
    <message>
        <source>fixed pitch</source>
        <translation>chasse fixe</translation>
    </message>
    <message>
        <source>double-byte codes</source>
        <translation>codes sur deux octets</translation>
    </message>
    <message>
        <source>single-byte codes</source>
        <translation>codes sur un octet</translation>
    </message>
    <message>
        <source>%1 characters, cell %2 x %3 pixels, %4, %5</source>
        <translation>%1 caractères, cellule %2 x %3 pixels, %4, %5</translation>
    </message>
    <message>
        <source>Its glyphs are too many and too large to be drawn here.</source>
        <translation>Ses glyphes sont trop nombreux et trop grands pour être dessinés ici.</translation>
    </message>
</context>
<context>
    <name>lb::TFormRTCSetup</name>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>%1 min %2 s</source>
        <translation>%1 min %2 s</translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <translation>%1 h %2 min</translation>
    </message>
    <message>
        <source>%1 days</source>
        <translation>%1 jours</translation>
    </message>
    <message>
        <source>printer clock agrees with this computer</source>
        <translation>horloge de l&apos;imprimante en accord avec cet ordinateur</translation>
    </message>
    <message>
        <source>printer clock %1 behind this computer</source>
        <translation>horloge de l&apos;imprimante en retard de %1 sur cet ordinateur</translation>
    </message>
    <message>
        <source>printer clock %1 ahead of this computer</source>
        <translation>horloge de l&apos;imprimante en avance de %1 sur cet ordinateur</translation>
    </message>
</context>
<context>
    <name>lb::TFormRs232Setup</name>
    <message>
        <source>None</source>
        <translation>Aucune</translation>
    </message>
    <message>
        <source>Odd</source>
        <translation>Impaire</translation>
    </message>
    <message>
        <source>Even</source>
        <translation>Paire</translation>
    </message>
</context>
<context>
    <name>lb::TFormSensorCalibrate</name>
    <message>
        <source>Calibrate</source>
        <translation>Calibrer</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>inch</source>
        <translation>pouce</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>Black mark</source>
        <translation>Marque noire</translation>
    </message>
    <message>
        <source>Liner</source>
        <translation>Dorsal</translation>
    </message>
    <message>
        <source>Media</source>
        <translation>Support</translation>
    </message>
    <message>
        <source>Can&apos;t calibration</source>
        <translation>Échec du calibrage</translation>
    </message>
    <message>
        <source>Put linner please</source>
        <translation>Veuillez placer le dorsal</translation>
    </message>
    <message>
        <source>Put black mark please</source>
        <translation>Veuillez placer la marque noire</translation>
    </message>
    <message>
        <source>Put label please</source>
        <translation>Veuillez placer l&apos;étiquette</translation>
    </message>
    <message>
        <source>Label and %1 lie closer than %2 at every level</source>
        <translation>Étiquette et %1&#xa0;: écart inférieur à %2 à chaque niveau</translation>
    </message>
    <message>
        <source>black mark</source>
        <translation>marque noire</translation>
    </message>
    <message>
        <source>liner</source>
        <translation>dorsal</translation>
    </message>
    <message>
        <source>Calibration is complete</source>
        <translation>Calibrage terminé</translation>
    </message>
</context>
</TS>
