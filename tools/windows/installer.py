#!/usr/bin/env python3
"""The Windows installer's description and the winget manifests beside it.

    installer.py wxs FOLDER VERSION OUTPUT.wxs ICONS_DIR TS_FILE...
        Writes the description wixl builds Wagecourt-VERSION-win64.msi from:
        every file of the runnable FOLDER, per machine into Program Files, a
        Start-menu shortcut, an entry in Apps & features, a major upgrade of
        any older version and a refusal of a newer one, its message in the
        user's language from the .ts files.
    installer.py winget MSI VERSION URL OUTPUT_DIR
        Writes the multi-file winget manifest of the MSI, as the community
        repository lays it out (manifests/t/Tarvel/Wagecourt/VERSION/), with
        the MSI's SHA256 and its product code read from the MSI itself.

Every identifier the MSI holds is derived from fixed names, so the same
folder and version give the same product code, and a file keeps its
component's code from version to version, as Windows Installer expects.
"""
import hashlib
import os
import re
import struct
import subprocess
import sys
import uuid
import xml.etree.ElementTree as ElementTree
from xml.sax.saxutils import quoteattr

MANUFACTURER = "Tarvel"
PRODUCT = "Wagecourt"
# Never changes: it is how every version finds the ones installed before it.
UPGRADE_CODE = "0B6E44D1-9F3A-4C1E-8E5B-6A2D7C9F0E13"
NAMESPACE = uuid.UUID(UPGRADE_CODE)
PACKAGE_ID = "Tarvel.Wagecourt"
LICENSE = "MIT"
SUMMARY = "Work out a Courtlore player's weekly salary"
# The message lives with the programs' other words, in the .ts files
# (src/presentation/installertexts.h).
CONTEXT, NEWER_INSTALLED = "Installer", "A newer version of Wagecourt is already installed."
# Windows language ids (primary language | sublanguage << 10) of each translation.
LANGUAGE_IDS = {
    "tr": [1055],
    "es": [1034, 2058, 3082, 4106, 5130, 6154, 7178, 8202, 9226, 10250, 11274, 12298,
           13322, 14346, 15370, 16394, 17418, 18442, 19466, 20490, 21514, 22538],
    "it": [1040, 2064],
    "fr": [1036, 2060, 3084, 4108, 5132, 6156, 7180, 8204, 9228, 10252, 11276, 12300, 13324, 14348],
    "de": [1031, 2055, 3079, 4103, 5127],
    "pl": [1045],
    "pt": [1046, 2070],
}
# Windows Installer reads the strings of a package in one ANSI code page.
CODEPAGE = "cp1252"


def msi_version(text):
    """"1.00" -> "1.0.0": the two decimals are the minor version, as the
    version record of Wagecourt.exe has them."""
    match = re.fullmatch(r"(\d+)\.(\d\d)", text)
    if not match:
        sys.exit(f"installer.py: version {text!r} is not of the form 1.00")
    return f"{int(match.group(1))}.{int(match.group(2))}.0"


def product_code(version_text):
    return str(uuid.uuid5(NAMESPACE, f"{PRODUCT} {version_text} win64")).upper()


def ident(prefix, path):
    return prefix + hashlib.sha1(path.encode()).hexdigest()[:24]


def translations(ts_files):
    """(language, message) for each finished translation of NEWER_INSTALLED.
    Every .ts file must hold it: else the English here and the programs'
    source (src/presentation/installertexts.h) have drifted apart."""
    found = []
    for ts_file in ts_files:
        if not any(message.findtext("source") == NEWER_INSTALLED
                   for context in ElementTree.parse(ts_file).getroot().iter("context")
                   if context.findtext("name") == CONTEXT for message in context.iter("message")):
            sys.exit(f"installer.py: {ts_file} has no {CONTEXT} message {NEWER_INSTALLED!r}")
        root = ElementTree.parse(ts_file).getroot()
        language = root.get("language").split("_")[0]
        for context in root.iter("context"):
            if context.findtext("name") != CONTEXT:
                continue
            for message in context.iter("message"):
                translation = message.find("translation")
                if (message.findtext("source") == NEWER_INSTALLED and translation is not None
                        and translation.text and translation.get("type") not in ("unfinished", "obsolete", "vanished")):
                    found.append((language, translation.text))
    return sorted(found)


def newer_message_actions(ts_files):
    """Custom actions that put the message in the user's language, and their
    conditions, each short enough for the sequence tables' 255 characters.
    A translation the package's code page cannot carry stays English."""
    actions, sequence = [], []
    for language, text in translations(ts_files):
        try:
            text.encode(CODEPAGE)
        except UnicodeEncodeError:
            print(f"installer.py: the {language} message stays English: Windows Installer reads "
                  f"this package in {CODEPAGE}", file=sys.stderr)
            continue
        ids = LANGUAGE_IDS[language]
        for part in range(0, len(ids), 8):
            name = f"NewerMessage_{language}_{part // 8}"
            condition = " OR ".join(f"UserLanguageID={i}" for i in ids[part:part + 8])
            actions.append(f'    <CustomAction Id="{name}" Property="NEWERMESSAGE" Value={quoteattr(text)}/>')
            sequence.append(f'      <Custom Action="{name}" Before="LaunchConditions">{condition}</Custom>')
    return actions, sequence


def write_icon(icons_dir, output):
    """An .ico of the PNG icons, for the shortcut and Apps & features."""
    pngs = []
    for size in sorted(int(name) for name in os.listdir(icons_dir) if name.isdigit()):
        with open(os.path.join(icons_dir, str(size), "io.github.wagecourt.Wagecourt.png"), "rb") as png:
            pngs.append((size, png.read()))
    header = struct.pack("<HHH", 0, 1, len(pngs))
    offset = len(header) + 16 * len(pngs)
    entries, data = b"", b""
    for size, png in pngs:
        entries += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(png), offset + len(data))
        data += png
    with open(output, "wb") as ico:
        ico.write(header + entries + data)


def directory_tree(folder):
    """{relative directory: [relative file, ...]} of the folder, sorted."""
    tree = {}
    for root, dirs, files in os.walk(folder):
        dirs.sort()
        relative = os.path.relpath(root, folder).replace(os.sep, "/")
        relative = "" if relative == "." else relative
        tree[relative] = sorted(os.path.join(relative, f).replace(os.sep, "/").lstrip("/") for f in files)
    return tree


def directories_xml(folder, tree, relative, indent):
    """The components of the folder's files, with their sources relative to
    the description's own folder, where wixl runs: it takes no absolute paths."""
    lines = []
    pad = " " * indent
    for path in tree[relative]:
        name = os.path.basename(path)
        file_id = name if path in ("Wagecourt.exe", "wagecourt-cli.exe") else ident("f", path)
        source = os.path.join(folder, path)
        lines.append(f'{pad}<Component Id="{ident("c", path)}" Guid="{str(uuid.uuid5(NAMESPACE, path.lower())).upper()}" Win64="yes">')
        lines.append(f'{pad}  <File Id="{file_id}" Name={quoteattr(name)} Source={quoteattr(source)} KeyPath="yes"/>')
        lines.append(f"{pad}</Component>")
    for sub in sorted(d for d in tree if d and os.path.dirname(d) == relative):
        lines.append(f'{pad}<Directory Id="{ident("d", sub)}" Name={quoteattr(os.path.basename(sub))}>')
        lines += directories_xml(folder, tree, sub, indent + 2)
        lines.append(f"{pad}</Directory>")
    return lines


def write_wxs(folder, version_text, output, icons_dir, ts_files):
    tree = directory_tree(folder)
    folder = os.path.relpath(folder, os.path.dirname(os.path.abspath(output)))
    for program in ("Wagecourt.exe", "wagecourt-cli.exe"):
        if program not in tree[""]:
            sys.exit(f"installer.py: {folder} holds no {program}")
    icon = "Wagecourt.ico"
    write_icon(icons_dir, os.path.join(os.path.dirname(os.path.abspath(output)), icon))
    version = msi_version(version_text)
    components = [ident("c", path) for files in tree.values() for path in files]
    actions, sequence = newer_message_actions(ts_files)
    sequence = "\n".join(sequence)
    text = f"""<?xml version="1.0" encoding="utf-8"?>
<!-- Made by tools/windows/installer.py from {os.path.basename(folder)}/; do not edit. -->
<Wix xmlns="http://schemas.microsoft.com/wix/2006/wi">
  <Product Id="{product_code(version_text)}" Name="{PRODUCT}" Language="1033" Version="{version}"
           Manufacturer="{MANUFACTURER}" UpgradeCode="{UPGRADE_CODE}">
    <Package InstallerVersion="500" Compressed="yes" InstallScope="perMachine"
             Description="{PRODUCT} {version_text}" Manufacturer="{MANUFACTURER}"/>
    <Media Id="1" Cabinet="wagecourt.cab" EmbedCab="yes"/>
    <Icon Id="Wagecourt.ico" SourceFile={quoteattr(icon)}/>
    <Property Id="ARPPRODUCTICON" Value="Wagecourt.ico"/>
    <Property Id="ARPNOMODIFY" Value="1"/>
    <Property Id="ARPNOREPAIR" Value="1"/>
    <!-- Older versions are removed before this one is put in their place;
         a newer one is found only to refuse the downgrade. -->
    <Upgrade Id="{UPGRADE_CODE}">
      <UpgradeVersion Minimum="0.0.0" IncludeMinimum="yes" Maximum="{version}" IncludeMaximum="no"
                      Property="OLDERVERSIONFOUND"/>
      <UpgradeVersion Minimum="{version}" IncludeMinimum="no" OnlyDetect="yes" Property="NEWERVERSIONFOUND"/>
    </Upgrade>
    <Property Id="NEWERMESSAGE" Value={quoteattr(NEWER_INSTALLED)}/>
{chr(10).join(actions)}
    <Condition Message="[NEWERMESSAGE]">NOT NEWERVERSIONFOUND</Condition>
    <InstallExecuteSequence>
      <RemoveExistingProducts After="InstallValidate"/>
{sequence}
    </InstallExecuteSequence>
    <InstallUISequence>
{sequence}
    </InstallUISequence>
    <Directory Id="TARGETDIR" Name="SourceDir">
      <Directory Id="ProgramFiles64Folder">
        <Directory Id="INSTALLDIR" Name="{PRODUCT}">
{chr(10).join(directories_xml(folder, tree, "", 10))}
        </Directory>
      </Directory>
      <Directory Id="ProgramMenuFolder">
        <Component Id="StartMenuShortcut" Guid="{str(uuid.uuid5(NAMESPACE, "start menu shortcut")).upper()}" Win64="yes">
          <Shortcut Id="WagecourtShortcut" Name="{PRODUCT}" Target="[#Wagecourt.exe]"
                    WorkingDirectory="INSTALLDIR" Icon="Wagecourt.ico"/>
          <RegistryValue Root="HKLM" Key="Software\\{MANUFACTURER}\\{PRODUCT}" Name="StartMenuShortcut"
                         Type="integer" Value="1" KeyPath="yes"/>
        </Component>
        <!-- A click on a wagecourt: link (a shortlist from the page or another
             desktop) starts the window with the link, which a window already
             open then takes. Removed with the program. -->
        <Component Id="LinkProtocol" Guid="{str(uuid.uuid5(NAMESPACE, "wagecourt link protocol")).upper()}" Win64="yes">
          <RegistryValue Root="HKLM" Key="Software\\Classes\\wagecourt" Type="string"
                         Value="URL:{PRODUCT} link" KeyPath="yes"/>
          <RegistryValue Root="HKLM" Key="Software\\Classes\\wagecourt" Name="URL Protocol" Type="string" Value=""/>
          <RegistryValue Root="HKLM" Key="Software\\Classes\\wagecourt\\DefaultIcon" Type="string"
                         Value="[#Wagecourt.exe],0"/>
          <RegistryValue Root="HKLM" Key="Software\\Classes\\wagecourt\\shell\\open\\command" Type="string"
                         Value="&quot;[#Wagecourt.exe]&quot; &quot;%1&quot;"/>
        </Component>
      </Directory>
    </Directory>
    <Feature Id="Wagecourt" Level="1">
{chr(10).join(f'      <ComponentRef Id="{c}"/>' for c in components)}
      <ComponentRef Id="StartMenuShortcut"/>
      <ComponentRef Id="LinkProtocol"/>
    </Feature>
  </Product>
</Wix>
"""
    with open(output, "w", encoding="utf-8") as wxs:
        wxs.write(text)


def msi_property(msi, name):
    table = subprocess.run(["msiinfo", "export", msi, "Property"], check=True,
                           stdout=subprocess.PIPE, text=True).stdout
    for line in table.splitlines():
        key, _, value = line.partition("\t")
        if key == name:
            return value.strip()
    sys.exit(f"installer.py: {msi} has no {name}")


def write_winget(msi, version_text, url, output_dir):
    with open(msi, "rb") as package:
        sha256 = hashlib.sha256(package.read()).hexdigest().upper()
    code = msi_property(msi, "ProductCode")
    version = msi_property(msi, "ProductVersion")
    upgrade = msi_property(msi, "UpgradeCode")
    folder = os.path.join(output_dir, "manifests", PACKAGE_ID[0].lower(), *PACKAGE_ID.split("."), version_text)
    os.makedirs(folder, exist_ok=True)
    head = f'PackageIdentifier: {PACKAGE_ID}\nPackageVersion: "{version_text}"\n'
    tail = "ManifestVersion: 1.6.0\n"
    schema = "# yaml-language-server: $schema=https://aka.ms/winget-manifest.{}.1.6.0.schema.json\n"
    files = {
        f"{PACKAGE_ID}.yaml": schema.format("version") + head + "DefaultLocale: en-US\nManifestType: version\n" + tail,
        f"{PACKAGE_ID}.installer.yaml": schema.format("installer") + head + f"""MinimumOSVersion: 10.0.0.0
InstallerType: msi
Scope: machine
InstallModes:
- interactive
- silent
- silentWithProgress
UpgradeBehavior: install
ProductCode: "{code}"
AppsAndFeaturesEntries:
- DisplayName: {PRODUCT}
  Publisher: {MANUFACTURER}
  DisplayVersion: {version}
  ProductCode: "{code}"
  UpgradeCode: "{upgrade}"
Installers:
- Architecture: x64
  InstallerUrl: {url.rstrip('/')}/{os.path.basename(msi)}
  InstallerSha256: {sha256}
ManifestType: installer
""" + tail,
        f"{PACKAGE_ID}.locale.en-US.yaml": schema.format("defaultLocale") + head + f"""PackageLocale: en-US
Publisher: {MANUFACTURER}
PackageName: {PRODUCT}
License: {LICENSE}
ShortDescription: {SUMMARY}
Description: Copy a player's skill list from the Courtlore game's page, press Calculate Salary, and
  Wagecourt shows the weekly salary he earns at his best-paid position, with every skill level in its own
  colour. It knows the game's eight languages, and wagecourt-cli computes the same salaries for scripts.
Moniker: wagecourt
Tags:
- basketball
- courtlore
- salary
ManifestType: defaultLocale
""" + tail,
    }
    for name, text in files.items():
        with open(os.path.join(folder, name), "w", encoding="utf-8") as manifest:
            manifest.write(text)
    print(folder)


def main(argv):
    if len(argv) >= 6 and argv[1] == "wxs":
        write_wxs(argv[2], argv[3], argv[4], argv[5], argv[6:])
    elif len(argv) == 6 and argv[1] == "winget":
        write_winget(argv[2], argv[3], argv[4], argv[5])
    else:
        sys.exit(__doc__)


if __name__ == "__main__":
    main(sys.argv)
