#!/usr/bin/env bash
# Makes the README's screenshots under a virtual X display, on a data folder
# of their own so the user's notes and settings stay out of them.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh >/dev/null
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
shot() {
  xvfb-run -a -s "-screen 0 1280x800x24" build/volmira-apt --data-dir "$home" --screenshot "$@"
}
for airport in EDDF:docs/airport-eddf.png EDST:docs/airport-edst.png; do
  shot "${airport#*:}" --show "${airport%%:*}"
done
# The shipped data hold no approaches: one for the approach list and its dialog.
build/volmira-apt approach add EDDF 25R --ils-freq 110.70 --ils-ident ife --ils-gs 3.0 --data-dir "$home" >/dev/null
shot docs/edit-mode.png --show EDDF --edit
# The quick find on a city no English name begins with.
shot docs/quickfind-names.png --show EDDF --quickfind "Köln"
shot docs/manager.png --show EDST --window Datenbank
shot docs/print-preview.png --show EDDF --window Datenbank --preview
# Page 1 of the printed list of ED as the print command writes it.
build/volmira-apt --data-dir "$home" print ED --pdf "$home/ed.pdf" >/dev/null
pdftoppm -r 100 -f 1 -l 1 -singlefile -png "$home/ed.pdf" docs/print-page
for dialog in frmChangeRwy frmChangeAPT frmChangeCom frmChangeApproach; do
  shot "docs/$dialog.png" --show EDDF --dialog "$dialog"
done
# The airports around Frankfurt at the first radius, 50 NM.
shot docs/nearby.png --show EDDF --dialog frmNearby

# The note panel: a bold, coloured note in Kontakt and a plain one in Tanken,
# stored with the note command.
note="$home/kontakt.rtf"
cat > "$note" <<'RTF'
{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0 Arial;}}{\colortbl;\red255\green0\blue0;\red0\green0\blue255;}
\pard\f0\fs20 Turm: \b Herr M\'fcller\b0\tab\cf1 Tel. 069 690-0\cf0\par
PPR: \cf2 24 h vorher anmelden\cf0\par
\b Zoll\b0 :\tab nur Schengen-Fl\'fcge\par}
RTF
build/volmira-apt --data-dir "$home" note EDDF Kontakt --from-file "$note" >/dev/null
build/volmira-apt --data-dir "$home" note EDDF Tanken --text "Jet A1 und AvGas 100LL am GAT" >/dev/null
xvfb-run -a -s "-screen 0 1280x800x24" \
  build/volmira-apt --data-dir "$home" --screenshot docs/airport-notes.png --show EDDF --notes Kontakt

# The search in the notes: "ppr" in the note above and in two more.
build/volmira-apt --data-dir "$home" note EDDM Kontakt --text $'Vorfeldkontrolle 089 975-0\nPPR für GA werktags 2 h vorher' >/dev/null
build/volmira-apt --data-dir "$home" note EDST Allgemein --text $'Segelflugbetrieb, Windenstarts\nAm Wochenende PPR, Tel. 07161 24 72' >/dev/null
shot docs/notes-search.png --show EDDF --search-notes ppr

# The map linking dialog on EDDF's first map, among a few chart files.
mkdir -p "$home/Karten/Flughafen" "$home/Karten/PDF"
touch "$home"/Karten/Flughafen/{EDDF-Platzrunde.jpg,EDDF-Rollwege.bmp,EDDF-Vorfeld.jpg} "$home/Karten/PDF/EDDF-Anflug.pdf"
build/volmira-apt --data-dir "$home" map link EDDF 0 "$home/Karten/Flughafen/EDDF-Vorfeld.jpg" --name Vorfeld >/dev/null
shot docs/frmKarte.png --show EDDF --dialog frmKarte

# The map page on the project's own airfield chart, as a picture and as a PDF,
# linked with the map command.
build/bench/sample_charts "$home/Karten/Flughafen/plan.jpg" "$home/Karten/PDF/plan.pdf"
build/volmira-apt --data-dir "$home" map link EDDF 0 "$home/Karten/Flughafen/plan.jpg" --name Vorfeld >/dev/null
build/volmira-apt --data-dir "$home" map link EDDF 1 "$home/Karten/PDF/plan.pdf" --name "Flugplatzkarte (PDF)" >/dev/null
shot docs/map-picture.png --show EDDF --map 0
shot docs/map-pdf.png --show EDDF --map 1
# The same chart as an expired copy: its button in red, the notice above it.
build/volmira-apt --data-dir "$home" map link EDDF 2 "$home/Karten/Flughafen/plan.jpg" --name "Vorfeld (alt)" \
  --copy --valid-until "$(date -d yesterday +%d.%m.%Y)" >/dev/null
shot docs/map-expired.png --show EDDF --map 2
# The picture chart printed whole on an A5 page, as map print writes it.
build/volmira-apt --data-dir "$home" map print EDDF 0 --paper A5 --whole --pdf "$home/karte.pdf" >/dev/null
pdftoppm -r 50 -singlefile -png "$home/karte.pdf" docs/map-print

# The About window after two updates: Hahnweide with the data of 5 Dec 2010,
# then Frankfurt, Munich and Hamburg with those of 21 Apr 2010.
for update in EDST:05.12.2010 EDDF,EDDM,EDDH:21.04.2010; do
  build/volmira-apt --data-dir "$home" export "$home/update.crm" --icao "${update%%:*}" >/dev/null
  build/volmira-apt --data-dir "$home" import "$home/update.crm" --data-version "${update#*:}" >/dev/null
done
shot docs/about.png --about
