#include "tools/Compil32/InstallerShell.h"

namespace InstallerShell {

QByteArray shellWord(const QString& text)
{
    QByteArray word = text.toUtf8();
    word.replace('\'', "'\\''");
    return '\'' + word + '\'';
}

QString menuId(const QString& appName)
{
    QString id = QStringLiteral("quendara-");
    for (const QChar c : appName)
        id += (c.isLetterOrNumber() && c.unicode() < 128) ? c : QLatin1Char('-');
    return id;
}

QByteArray installProgram(const QString& appName, const QString& program)
{
    QByteArray s;
    s += "#!/bin/sh\n";
    s += "# Installs " + appName.toUtf8() + ", made with Quendara. makeself runs it from the\n";
    s += "# unpacked installer: sh Setup.exe [folder], or sh Setup.exe --target folder.\n";
    s += "set -eu\n";
    s += "app=" + shellWord(appName) + "\n";
    s += "program=" + shellWord(program) + "\n";
    s += "id=" + shellWord(menuId(appName)) + "\n";
    s += R"SH(setup=$(cd "$(dirname "$0")" && pwd)
unpacked=$(dirname "$setup")
# makeself unpacks into a temporary "selfgz..." folder; given --target, it
# unpacks into that folder, which is then where the game goes.
case $(basename "$unpacked") in
  selfgz*) dest=${1:-$HOME/Games/$app} ;;
  *) dest=$unpacked ;;
esac
case $dest in
  /*) ;;
  *) dest=${USER_PWD:-$PWD}/$dest ;;
esac

# The folders made for the game folder itself, counted from it upwards, so
# that the uninstaller removes them (when empty) and never one that was there.
above=0
d=$dest
while [ ! -d "$d" ]; do above=$((above + 1)); d=$(dirname "$d"); done
mkdir -p "$dest"
dest=$(cd "$dest" && pwd)
printf 'Installing %s into %s\n' "$app" "$dest"

list=$dest/Uninstall.list
new=$setup/Uninstall.list
: > "$new"
# Installed again over an earlier copy: what that one made is still ours.
[ -f "$list" ] && cat "$list" >> "$new"
printf '%s\n' "above $above" >> "$new"

cd "$setup/game"
find . -type d | sort | while IFS= read -r folder; do
  [ "$folder" = . ] && continue
  rel=${folder#./}
  if [ ! -d "$dest/$rel" ]; then
    mkdir "$dest/$rel"
    printf '%s\n' "folder $rel" >> "$new"
  fi
done
find . -type f | sort | while IFS= read -r file; do
  rel=${file#./}
  rm -f "$dest/$rel"
  cp -p "$file" "$dest/$rel"
  printf '%s\n' "file $rel" >> "$new"
done
cd "$setup"

data=${XDG_DATA_HOME:-$HOME/.local/share}
if [ -n "$program" ]; then
  apps=$data/applications
  icons=$data/icons/hicolor/64x64/apps
  mkdir -p "$apps" "$icons"
  cp "$setup/icon.png" "$icons/$id.png"
  printf '%s\n' "entry $icons/$id.png" >> "$new"
  # The program in the entry's Exec line: quoted, with the characters that
  # quoting and the entry format treat specially escaped.
  command_line=$(printf '%s' "$dest/$program" | sed -e 's/\\/\\\\\\\\/g' -e 's/["`$]/\\\\&/g' -e 's/%/%%/g')
  path=$(printf '%s' "$dest" | sed -e 's/\\/\\\\/g')
  {
    printf '%s\n' "[Desktop Entry]" "Type=Application" "Version=1.0" "Name=$app" \
      "Comment=An adventure game made with Quendara" "Exec=\"$command_line\"" "Path=$path" "Icon=$id" \
      "Terminal=false" "Categories=Game;AdventureGame;"
  } > "$apps/$id.desktop"
  printf '%s\n' "entry $apps/$id.desktop" >> "$new"
fi

cp "$setup/Uninstall.sh" "$dest/Uninstall.sh"
chmod 755 "$dest/Uninstall.sh"
printf '%s\n' "file Uninstall.sh" >> "$new"
printf '%s\n' "file Uninstall.list" >> "$new"
sort -u "$new" > "$list"
# Unpacked into the game folder itself (--target): the installer's own
# files go.
[ "$unpacked" = "$dest" ] && rm -rf "$setup"
printf 'Done. Start %s from your applications menu, or run "%s".\n' "$app" "$dest/$program"
printf 'To remove it, run "%s".\n' "$dest/Uninstall.sh"
)SH";
    return s;
}

QByteArray uninstallProgram(const QString& appName)
{
    QByteArray s;
    s += "#!/bin/sh\n";
    s += "# Removes " + appName.toUtf8() + ": the files and folders its installer made, as\n";
    s += "# Uninstall.list beside this program names them, and its menu entry.\n";
    s += "# Anything else stays, and so does every folder that still holds something.\n";
    s += R"SH(here=$(cd "$(dirname "$0")" && pwd)
list=$here/Uninstall.list
if [ ! -f "$list" ]; then
  echo "$list is missing: nothing was removed." >&2
  exit 1
fi
# The list names itself: it is read whole before anything goes.
entries=$(cat "$list")
above=0
while IFS= read -r line; do
  case $line in
    "file "*) rm -f "$here/${line#file }" ;;
    "entry "*) rm -f "${line#entry }" ;;
    "above "*) [ "${line#above }" -gt "$above" ] && above=${line#above } ;;
  esac
done <<LIST
$entries
LIST
# The deepest folders first, so that a folder emptied here can go too.
printf '%s\n' "$entries" | sed -n 's/^folder //p' | sort -r | while IFS= read -r folder; do
  rmdir "$here/$folder" 2>/dev/null || true
done
rm -f "$list" "$here/Uninstall.sh"
d=$here
while [ "$above" -gt 0 ]; do
  rmdir "$d" 2>/dev/null || break
  d=$(dirname "$d")
  above=$((above - 1))
done
echo "Removed."
)SH";
    return s;
}

}  // namespace InstallerShell
