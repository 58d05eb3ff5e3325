#!/bin/sh
# The Windows installer as an administrator uses it, under Wine, each
# scenario in a prefix of its own, as a machine of its own:
#   install    silent: files, shortcuts, PATH, the installed apps' entry with
#              its folder, the program's version; the program runs DIALOGUE,
#              also through PATH; the guide's install with a log, no change;
#              the guide's uninstall by this package: nothing left
#   upgrade    OTHER_MSI, later, replaces MSI; downgrade: an earlier is refused
#   rebuild    OTHER_MSI, another build of the same version, replaces MSI's
#   uninstall  OTHER_MSI installed over MSI, then the guide's command for every
#              version, away from the MSI: nothing left, PATH as it was
# KALKULATOR_NAME and KALKULATOR_PUBLISHER are what Windows must show.
#
# Usage: msi.sh SCENARIO MSI [OTHER_MSI] -- DIALOGUE...
set -eu
absolute() { (cd "$(dirname "$1")" && echo "$PWD/$(basename "$1")"); }
scenario=$1 msi=$(absolute "$2") other=
shift 2
if [ "$1" != -- ]; then other=$(absolute "$1"); shift; fi
shift

WINEPREFIX=$(mktemp -d "$PWD/wine-msi-$scenario.XXXXXX") # in the build folder
WINEDEBUG=-all
WINEDLLOVERRIDES=winemenubuilder.exe=d # no menu entries in the user's desktop
export WINEPREFIX WINEDEBUG WINEDLLOVERRIDES
trap 'wineserver -k 2>/dev/null || true; rm -rf "$WINEPREFIX"' EXIT
wineboot -i >/dev/null 2>&1
wineserver -w
# Away from any kalkulator.exe, which cmd would find before it looks in PATH.
cd "$WINEPREFIX"

fail() { echo "$scenario: $*" >&2; exit 1; }
dir='C:\Program Files\kalkulator'
unix_dir="$WINEPREFIX/drive_c/Program Files/kalkulator"
uninstall='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall'
environment='HKLM\System\CurrentControlSet\Control\Session Manager\Environment'

msiexec() { # its status in $status
    status=0
    wine msiexec "$@" /qn || status=$?
    wineserver -w
    return 0
}
installed() { msiexec /i "$(winepath -w "$1")"; }
# The value of a registry entry, or nothing.
value() {
    wine reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' |
        sed -n "s/^ *$2 *REG_[A-Z_]* *//p"
}
name=$KALKULATOR_NAME
# A property of a package, and the version that it installs.
property() { msiinfo export "$1" Property | tr -d '\r' | sed -n "s/^$2\t//p"; }
version_of() { property "$1" ProductVersion; }
# The product's keys among the installed apps, from an export, which keeps
# the Polish letters that reg query drops.
product_keys() {
    wine reg export "$uninstall" uninstall.reg /y >/dev/null 2>&1 || return 0
    iconv -f UTF-16 -t UTF-8 uninstall.reg | tr -d '\r' | awk -v name="\"$name\"" '
        /^\[/ { key = substr($0, 2, length($0) - 2) }
        /^"DisplayName"=/ && substr($0, 15) == name { print key }'
}
shortcuts() {
    find "$WINEPREFIX/drive_c" -name "$name.lnk" -o -name "$name - instrukcja.lnk" | wc -l
}
on_path() { value "$environment" PATH | tr ';' '\n' | grep -cxF "$dir\\" || true; }
# The system PATH, less the separators that Wine leaves at its end: Wine
# removes a value appended with [~]; but not its separator, in any variable
# (Windows removes both).
system_path() { value "$environment" PATH | sed 's/;*$//'; }
path_before=$(system_path)
# A command that the installed guide gives, by its start and end.
guide_command() {
    tr -d '\r' <"$unix_dir/CZYTAJ.txt" | sed -n "s|^  \($1.*$2\)\$|\1|p"
}
check_removed() {
    [ ! -e "$unix_dir" ] || fail "$dir is still there"
    [ "$(shortcuts)" -eq 0 ] || fail "shortcuts are left"
    [ -z "$(product_keys)" ] || fail "still among the installed apps"
    ! wine reg query 'HKLM\Software\kalkulator' >/dev/null 2>&1 || fail "a registry key is left"
    [ "$(system_path)" = "$path_before" ] || fail "PATH is not as it was: $(system_path)"
}

check_installed() {
    version=$1
    [ "$status" -eq 0 ] || fail "msiexec ended with $status"
    for file in kalkulator.exe CZYTAJ.txt THIRD-PARTY-NOTICES.txt COPYING.txt; do
        [ -f "$unix_dir/$file" ] || fail "no $dir\\$file"
    done
    [ "$(shortcuts)" -eq 2 ] || fail "$(shortcuts) Start menu shortcuts, expected 2"
    [ "$(on_path)" -eq 1 ] || fail "$dir is $(on_path) times on PATH, expected once"
    keys=$(product_keys)
    [ "$(printf '%s\n' "$keys" | grep -c .)" -eq 1 ] || fail "installed apps: '$keys'"
    [ "$(value "$keys" DisplayVersion)" = "$version" ] || fail "version is not $version"
    [ "$(value "$keys" Publisher)" = "$KALKULATOR_PUBLISHER" ] || fail "no publisher"
    [ "$(value "$keys" Language)" = 0x415 ] || fail "the language is not Polish"
    [ "$(value "$keys" InstallLocation)" = "$dir\\" ] || fail "no folder among the installed apps"
    code=${keys##*\\}
    [ -f "$WINEPREFIX/drive_c/windows/Installer/$code/kalkulator.ico" ] ||
        fail "no icon for the installed apps"
}

# What cmd finds before the install, it does not find through PATH.
if [ "$scenario" = install ] && echo 7 474 z | wine cmd /c kalkulator.exe >/dev/null 2>&1; then
    fail "kalkulator.exe is found before it is installed"
fi
installed "$msi"
case $scenario in
install)
    check_installed "$(version_of "$msi")"
    file_version=$(msiinfo export "$msi" File | awk -F '\t' '$1 == "kalkulator.exe" { print $5 }')
    [ "$file_version" = "$(version_of "$msi").0" ] ||
        fail "kalkulator.exe's version in the File table is '$file_version'"
    "$@" "$dir\\kalkulator.exe"
    "$@" cmd /c kalkulator.exe
    # The guide's commands, in a folder that holds the package.
    cp "$msi" .
    command=$(guide_command "msiexec /i" "instalacja.log")
    [ -n "$command" ] || fail "the guide gives no msiexec /i command with a log"
    set -f # /l*v is no pattern of files
    eval "$command"
    set +f
    [ -s instalacja.log ] || fail "the guide's install wrote no log"
    check_installed "$(version_of "$msi")"
    command=$(guide_command "msiexec /x" "/qn")
    [ -n "$command" ] || fail "the guide gives no msiexec /x command"
    eval "$command"
    [ "$status" -eq 0 ] || fail "the guide's msiexec /x ended with $status"
    check_removed
    ;;
upgrade)
    installed "$other"
    check_installed "$(version_of "$other")"
    ;;
rebuild)
    installed "$other"
    check_installed "$(version_of "$other")"
    msiextract -C rebuilt "$other" >/dev/null
    cmp -s rebuilt/kalkulator/kalkulator.exe "$unix_dir/kalkulator.exe" ||
        fail "the other build's kalkulator.exe did not replace this one's"
    ;;
downgrade)
    installed "$other"
    # 1603, a fatal error, as the 8 bits that a Unix exit status keeps.
    [ "$status" -eq $((1603 % 256)) ] || fail "msiexec ended with $status, expected 1603"
    # Wine's msiexec says nothing under /qn: the refusal is read from the package.
    msiinfo export "$other" LaunchCondition | grep -q "Zainstalowana jest już nowsza wersja" ||
        fail "the refusal does not say that a later version is installed"
    status=0
    check_installed "$(version_of "$msi")"
    ;;
uninstall)
    # The guide's PowerShell line asks Windows Installer for the products of
    # its upgrade code and removes each; Wine has no PowerShell, so its
    # cscript asks the same of the same installer.
    code=$(guide_command '\$i = New-Object' 'Wait }' | sed -n "s/.*@('\({[^}]*}\)').*/\1/p")
    [ "$code" = "$(property "$msi" UpgradeCode)" ] ||
        fail "the guide's command names '$code', not the package's upgrade code"
    installed "$other"
    printf '%s\r\n' 'var products = new ActiveXObject("WindowsInstaller.Installer")' \
        '    .RelatedProducts(WScript.Arguments(0));' \
        'for (var i = 0; i < products.Count; i++) WScript.Echo(products.Item(i));' \
        >"$WINEPREFIX/drive_c/related.js"
    products=$(wine cscript //nologo 'C:\related.js' "$code" | tr -d '\r')
    [ -n "$products" ] || fail "no product of the upgrade code is installed"
    for product in $products; do
        msiexec /x "$product"
        [ "$status" -eq 0 ] || fail "msiexec /x $product ended with $status"
    done
    check_removed
    ;;
*) fail "no such scenario" ;;
esac
