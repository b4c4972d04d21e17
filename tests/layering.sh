#!/bin/sh
# Who may include whom among the folders of src: layering.sh SRC
# framework includes nothing of ours; model only framework; controls only model and framework;
# tools, calc, web, sync and cli only those three and each other; app anything. Every include against
# the rule is printed, and any fails the test.
src=$1
found=$(
  tools="framework model controls tools calc web sync cli"
  for rule in "framework:framework" "model:framework model" "controls:framework model controls" \
    "tools:$tools" "calc:$tools" "web:$tools" "sync:$tools" "cli:$tools"; do
    folder=${rule%%:*}
    allowed=" ${rule#*:} "
    grep -rnoE '#include "[a-z]+/' "$src/$folder" | while IFS= read -r hit; do
      dir=${hit##*\"}
      case $allowed in
        *" ${dir%/} "*) ;;
        *) echo "$hit" ;;
      esac
    done
  done
)
[ -z "$found" ] && exit 0
echo "includes against the folders' order:"
echo "$found"
exit 1
