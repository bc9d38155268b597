#!/usr/bin/env python3
"""Builds the engine's pure component databanks.

Reads the organic structures of a CML collection (one molecule per file, in folders by family),
the curated table of well-known organics (organics.tsv: common names, CAS numbers, classes,
alternate names, further databanks) and the curated table of inorganic compounds and ions
(inorganic.tsv), and writes one file per databank, <NAME>.tsv, in the output folder. The format
is described in data/README.md.

Every CML molecule goes into PURE25 with a class chosen from its structure (the family folder
alone is too coarse: an alcohol folder holds polyols, phenols and amino alcohols) unless the
curated table names the class. Names longer than a databank record can hold are left out unless
the curated table gives a shorter one.

Usage: generate_databanks.py --out DIR [--cml DIR] [--tables DIR]
"""

import argparse
import os
import re
import sys
import xml.etree.ElementTree as ElementTree

NAME_SIZE = 64
FORMULA_SIZE = 16
ID_SIZE = 8
CAS_SIZE = 20
CLASS_SIZE = 50
NO_BOILING_POINT = ""
MAIN_DATABANK = "PURE25"
# Folders of the CML collection that hold pictures and web pages, not molecules.
SKIPPED_FOLDERS = {"htdocs", "images", "jmol", "styles"}
HALOGENS = {"F", "Cl", "Br", "I"}


class Molecule:
    """A molecular graph: element per atom, neighbours with bond orders."""

    def __init__(self):
        self.element = {}
        self.bonds = {}

    def add_atom(self, atom, element):
        self.element[atom] = element
        self.bonds.setdefault(atom, {})

    def add_bond(self, a, b, order):
        self.bonds[a][b] = order
        self.bonds[b][a] = order

    def atoms(self, element=None):
        return [a for a, e in self.element.items() if element is None or e == element]

    def heavy_neighbours(self, atom):
        return [n for n in self.bonds[atom] if self.element[n] != "H"]

    def hydrogens(self, atom):
        return sum(1 for n in self.bonds[atom] if self.element[n] == "H")

    def neighbours_of(self, atom, element):
        return [n for n in self.bonds[atom] if self.element[n] == element]


def ring_atoms_and_rings(mol):
    """Atoms that lie on a ring, and the smallest rings through each ring bond (sizes 3 to 8)."""
    heavy = [a for a in mol.element if mol.element[a] != "H"]
    rings = set()
    for start in heavy:
        # Paths from start back to start, short rings only: enough for the families here.
        stack = [(start, [start])]
        while stack:
            atom, path = stack.pop()
            if len(path) > 8:
                continue
            for n in mol.heavy_neighbours(atom):
                if n == start and len(path) >= 3:
                    rings.add(frozenset(path))
                elif n not in path and n > start:
                    stack.append((n, path + [n]))
    # Keep the rings that are not the union of smaller ones sharing all their atoms.
    minimal = [r for r in rings if not any(o < r and len(o) >= 3 for o in rings)]
    on_ring = set().union(*minimal) if minimal else set()
    return on_ring, minimal


def aromatic_atoms(mol, rings):
    """Atoms of aromatic rings: six-membered rings whose every atom has a double bond to a ring
    atom (Kekule structures, fused rings included), and five-membered rings with two double
    bonds and a heteroatom (furan, pyrrole, thiophene)."""
    on_ring = set().union(*rings) if rings else set()
    aromatic = set()
    for ring in rings:
        if len(ring) == 6:
            if all(any(o == 2 and n in on_ring for n, o in mol.bonds[a].items()) for a in ring):
                aromatic |= ring
        elif len(ring) == 5:
            doubles = sum(
                1 for a in ring for n in mol.bonds[a] if n in ring and mol.bonds[a][n] == 2)
            hetero = [a for a in ring if mol.element[a] in ("N", "O", "S")]
            if doubles // 2 == 2 and hetero:
                aromatic |= ring
    return aromatic


def groups(mol):
    """The functional groups of a molecule, counted by kind."""
    found = {}

    def add(kind):
        found[kind] = found.get(kind, 0) + 1

    def carbonyl(c):
        return any(mol.element[n] == "O" and mol.bonds[c][n] == 2 for n in mol.bonds[c])

    for o in mol.atoms("O"):
        heavy = mol.heavy_neighbours(o)
        h = mol.hydrogens(o)
        if any(mol.element[n] == "O" for n in heavy):
            add("peroxide")
        elif len(heavy) == 1 and mol.bonds[o][heavy[0]] == 2:
            c = heavy[0]
            if mol.element[c] != "C":
                continue
            others = [n for n in mol.bonds[c] if n != o]
            elements = [mol.element[n] for n in others]
            singly_bound_o = [n for n in others if mol.element[n] == "O"]
            if "N" in elements:
                add("amide")
            elif singly_bound_o:
                x = singly_bound_o[0]
                if mol.hydrogens(x) == 1:
                    add("acid")
                elif any(mol.element[n] == "C" and n != c and carbonyl(n) for n in mol.bonds[x]):
                    add("anhydride")
                else:
                    add("ester")
            elif any(e in HALOGENS for e in elements):
                add("acyl halide")
            elif "H" in elements:
                add("aldehyde")
            else:
                add("ketone")
        elif len(heavy) == 1 and h == 1:
            c = heavy[0]
            if mol.element[c] == "C" and not carbonyl(c):
                add("hydroxyl")
        elif len(heavy) == 2 and all(mol.element[n] == "C" for n in heavy):
            if not any(carbonyl(n) for n in heavy):
                add("ether")
    for n in mol.atoms("N"):
        heavy = mol.heavy_neighbours(n)
        oxygens = [x for x in heavy if mol.element[x] == "O"]
        if len(oxygens) >= 2:
            add("nitro")
        elif any(mol.bonds[n][x] == 3 for x in heavy):
            add("nitrile")
        elif any(mol.element[x] == "C" and any(mol.element[y] == "O" and mol.bonds[x][y] == 2
                                               for y in mol.bonds[x]) for x in heavy):
            pass  # counted as an amide at its carbonyl
        else:
            add("amine")
    for s in mol.atoms("S"):
        heavy = mol.heavy_neighbours(s)
        if any(mol.element[x] == "O" for x in heavy):
            add("sulfoxide")
        elif mol.hydrogens(s) >= 1:
            add("thiol")
        else:
            add("sulfide")
    for x in mol.element.values():
        if x in HALOGENS:
            add("halide " + x)
    return found


def longest_chain_is_whole(mol, carbons):
    """True when the carbons form one unbranched chain."""
    return all(len([n for n in mol.heavy_neighbours(c) if n in carbons]) <= 2 for c in carbons)


def branches(mol, carbons):
    """Branch lengths off the longest carbon chain of an acyclic skeleton."""
    carbons = set(carbons)

    def farthest(start):
        seen = {start: [start]}
        frontier = [start]
        while frontier:
            nxt = []
            for a in frontier:
                for n in mol.heavy_neighbours(a):
                    if n in carbons and n not in seen:
                        seen[n] = seen[a] + [n]
                        nxt.append(n)
            frontier = nxt
        end = max(seen, key=lambda a: len(seen[a]))
        return end, seen[end]

    end, _ = farthest(next(iter(carbons)))
    _, chain = farthest(end)
    rest = carbons - set(chain)
    lengths = []
    seen = set()
    for c in chain:
        for n in mol.heavy_neighbours(c):
            if n in rest and n not in seen:
                size, frontier = 0, [n]
                seen.add(n)
                while frontier:
                    size += len(frontier)
                    nxt = []
                    for a in frontier:
                        for m in mol.heavy_neighbours(a):
                            if m in rest and m not in seen:
                                seen.add(m)
                                nxt.append(m)
                    frontier = nxt
                lengths.append(size)
    return lengths


def hydrocarbon_class(mol, on_ring, rings, aromatic):
    carbons = mol.atoms("C")
    cc = [(a, b, o) for a in carbons for b, o in mol.bonds[a].items()
          if mol.element[b] == "C" and a < b]
    triples = [x for x in cc if x[2] == 3]
    doubles = [x for x in cc if x[2] == 2 and not (x[0] in aromatic and x[1] in aromatic)]
    aromatic_rings = [r for r in rings if r <= aromatic]
    if aromatic_rings:
        if len(aromatic_rings) == 1 and len(rings) == 1:
            if doubles or triples:
                return "Other-monoaromatics"
            substituents = [n for a in aromatic_rings[0] for n in mol.heavy_neighbours(a)
                            if n not in aromatic_rings[0]]
            rest = set(carbons) - aromatic_rings[0]
            if len(substituents) <= 1 and longest_chain_is_whole(mol, rest):
                return "n-Alkylbenzenes"
            return "Other-alkylbenzenes"
        fused = any(len(a & b) >= 2 for a in aromatic_rings for b in rings if a != b)
        if fused:
            if len(rings) == 2 and len(aromatic_rings) == 2:
                return "Naphthalenes"
            return "Other-condensed-rings"
        return "Diphenyl/polyaromatics"
    if rings and len(carbons) == 10 and len(mol.atoms("H")) == 16 and doubles:
        return "Terpenes"
    if triples:
        return "Alkynes"
    if doubles:
        if any(a in on_ring or b in on_ring for a, b, _ in doubles):
            return "Cycloalkenes"
        if len(doubles) >= 2:
            return "Dialkenes"
        a, b, _ = doubles[0]
        terminal = mol.hydrogens(a) == 2 or mol.hydrogens(b) == 2
        side = branches(mol, carbons)
        if not side:
            return "1-Alkenes" if terminal else "2,3,4-Alkenes"
        return "Methylalkenes" if all(s == 1 for s in side) else "Ethyl/higher-alkenes"
    if rings:
        if len(rings) > 1:
            return "Multiring-cycloalkanes"
        ring = rings[0]
        if set(carbons) == set(ring):
            return "Cycloalkanes"
        if len(ring) == 5:
            return "Alkylcyclopentanes"
        if len(ring) == 6:
            return "Alkylcyclohexanes"
        return "Other-hydrocarbon-rings"
    side = branches(mol, carbons)
    if not side:
        return "n-Alkanes"
    if all(s == 1 for s in side):
        if len(side) == 1:
            return "Methylalkanes"
        if len(side) == 2:
            return "Dimethylalkanes"
    return "Other-alkanes"


def structure_class(mol):
    """The class of a molecule from its elements, rings and functional groups."""
    elements = set(mol.element.values())
    if "C" not in elements:
        return "Other-inorganics"
    on_ring, rings = ring_atoms_and_rings(mol)
    aromatic = aromatic_atoms(mol, rings)
    if elements <= {"C", "H"}:
        return hydrocarbon_class(mol, on_ring, rings, aromatic)
    found = groups(mol)
    halogens = {k.split()[1] for k in found if k.startswith("halide ")}
    kinds = {k for k in found if not k.startswith("halide ")}
    carbons = mol.atoms("C")
    aromatic_carbon = bool(aromatic)
    if halogens and not kinds:
        if len(halogens) > 1:
            return "C,H,multihalogen-compounds"
        halogen = next(iter(halogens))
        if halogen == "Cl":
            if aromatic_carbon:
                return "Aromatic-chlorides"
            return "C1/C2-aliphatic-chlorides" if len(carbons) <= 2 else \
                "C3/higher-aliphatic-chlorides"
        return {"Br": "C,H,Br-compounds", "I": "C,H,I-compounds", "F": "C,H,F-compounds"}[halogen]
    if halogens:
        if "N" in elements:
            return "Polyfunctional-C,H,N,halide,(O)"
        return "Polyfunctional-C,H,O,halide"
    if len(kinds) == 1:
        kind = next(iter(kinds))
        count = found[kind]
        if kind == "hydroxyl":
            if count >= 2:
                return "Polyols"
            oh_carbon = [n for o in mol.atoms("O") for n in mol.heavy_neighbours(o)][0]
            if aromatic_carbon:
                return "Aromatic-alcohols"
            if oh_carbon in on_ring or rings:
                return "Cycloaliphatic-alcohols"
            unsaturated = any(o > 1 for c in carbons for o in mol.bonds[c].values())
            if not unsaturated and longest_chain_is_whole(mol, set(carbons)) and \
                    mol.hydrogens(oh_carbon) >= 2:
                return "n-Alcohols"
            return "Other-aliphatic-alcohols"
        if kind == "aldehyde":
            return "Aldehydes" if count == 1 else "Other-polyfunctional-C,H,O"
        if kind == "ketone":
            return "Ketones" if count == 1 else "Other-polyfunctional-C,H,O"
        if kind == "acid":
            if count >= 2:
                return "Dicarboxylic-acids"
            if aromatic_carbon:
                return "Aromatic-carboxylic-acids"
            unsaturated = any(o > 1 for c in carbons for n, o in mol.bonds[c].items()
                              if mol.element[n] == "C")
            if not unsaturated and not rings and longest_chain_is_whole(mol, set(carbons)):
                return "n-Aliphatic-acids"
            return "Other-aliphatic-acids"
        if kind == "anhydride":
            return "Anhydrides"
        if kind == "ester":
            if count > 1:
                return "Polyfunctional-esters"
            if aromatic_carbon:
                return "Aromatic-esters"
            if any(o > 1 for c in carbons for n, o in mol.bonds[c].items() if mol.element[n] == "C"):
                return "Unsaturated-aliphatic-esters"
            o = [o for o in mol.atoms("O") if len(mol.heavy_neighbours(o)) == 1][0]
            acyl = mol.heavy_neighbours(o)[0]
            acyl_carbons = 1
            frontier, seen = [acyl], {acyl}
            while frontier:
                nxt = []
                for a in frontier:
                    for n in mol.heavy_neighbours(a):
                        if mol.element[n] == "C" and n not in seen:
                            seen.add(n)
                            nxt.append(n)
                acyl_carbons += len(nxt)
                frontier = nxt
            if acyl_carbons == 1:
                return "Formates"
            if acyl_carbons == 2:
                return "Acetates"
            if acyl_carbons in (3, 4):
                return "Propionates-and-butyrates"
            return "Other-saturated-aliphatic-esters"
        if kind == "ether":
            if any(len(r) == 3 for r in rings):
                return "Epoxides"
            if count == 1 and not aromatic_carbon and not rings:
                return "Aliphatic-ethers"
            return "Other-ethers/diethers"
        if kind == "peroxide":
            return "Peroxides"
        if kind == "amine":
            n_atoms = mol.atoms("N")
            if any(n in aromatic for n in n_atoms):
                return "Other-amines/imines"
            if aromatic_carbon:
                return "Aromatic-amines"
            if count == 1 and not rings and longest_chain_is_whole(mol, set(carbons)) and \
                    mol.hydrogens(n_atoms[0]) == 2 and \
                    mol.hydrogens(mol.heavy_neighbours(n_atoms[0])[0]) >= 2:
                return "n-Aliphatic-primary-amines"
            if any(o > 1 for a in mol.element for o in mol.bonds[a].values()):
                return "Other-amines/imines"
            return "Other-aliphatic-amines"
        if kind == "nitrile":
            return "Nitriles" if count == 1 else "Polyfunctional-nitriles"
        if kind == "nitro":
            return "C,H,NO2-compounds"
        if kind == "thiol":
            return "Mercaptans"
        if kind == "sulfide":
            return "Sulfides/thiophenes"
        if kind in ("amide", "sulfoxide"):
            return "Polyfunctional-amides/amines" if kind == "amide" else \
                "Polyfunctional-C,H,O,S"
    if not kinds:
        # Heteroatoms only in aromatic rings: furans, thiophenes, azoles.
        if "S" in elements:
            return "Sulfides/thiophenes"
        if "N" in elements:
            return "Other-amines/imines"
        return "Other-ethers/diethers"
    if "S" in elements:
        return "Polyfunctional-C,H,O,S" if "O" in elements else "Sulfides/thiophenes"
    if "N" in elements:
        if "nitro" in kinds and "amine" in kinds:
            return "Nitroamines"
        if "nitrile" in kinds:
            return "Polyfunctional-nitriles"
        if "amide" in kinds or kinds <= {"amine"}:
            return "Polyfunctional-amides/amines"
        return "Polyfunctional-C,H,O,N"
    if "acid" in kinds:
        return "Polyfunctional-acids"
    if "ester" in kinds:
        return "Polyfunctional-esters"
    return "Other-polyfunctional-C,H,O"


def read_cml(path):
    """(name, formula, molecular weight, boiling point in kelvin or None, molecule)."""
    root = ElementTree.parse(path).getroot()
    ns = {"c": "http://www.xml-cml.org/schema"}
    concise = root.find("c:formula", ns).get("concise").split()
    formula = ""
    for element, count in zip(concise[0::2], concise[1::2]):
        formula += element + (count if count != "1" else "")
    name = root.find("c:name", ns).text.strip()
    mw = None
    tb = None
    for prop in root.iter("{http://www.xml-cml.org/schema}property"):
        scalar = prop.find("c:scalar", ns)
        if scalar is None:
            continue
        if prop.get("dictRef") == "cml:molwt" and scalar.text:
            mw = float(scalar.text)
        elif prop.get("dictRef") == "cml:bp":
            # A bound ("> 300") is no boiling point.
            try:
                value = float(scalar.text)
            except (TypeError, ValueError):
                continue
            units = scalar.get("units", "")
            tb = value + 273.15 if "celsius" in units else value
    mol = Molecule()
    for atom in root.iter("{http://www.xml-cml.org/schema}atom"):
        mol.add_atom(atom.get("id"), atom.get("elementType"))
    for bond in root.iter("{http://www.xml-cml.org/schema}bond"):
        a, b = bond.get("atomRefs2").split()
        order = bond.get("order")
        mol.add_bond(a, b, {"1": 1, "2": 2, "3": 3}.get(order, 1))
    return name, formula, mw, tb, mol


def read_table(path):
    """Rows of a tab-separated table with a header line; '#' lines are comments."""
    rows = []
    with open(path, encoding="utf-8") as f:
        header = None
        for number, line in enumerate(f, 1):
            line = line.rstrip("\n")
            if not line.strip() or line.startswith("#"):
                continue
            cells = line.split("\t")
            if header is None:
                header = cells
                continue
            if len(cells) != len(header):
                sys.exit(f"{path}:{number}: {len(cells)} cells, the header has {len(header)}")
            rows.append(dict(zip(header, cells)))
    return rows


def default_id(name):
    """A component ID from its name: letters and digits, at most eight."""
    return re.sub(r"[^A-Z0-9]", "", name.upper())[:ID_SIZE] or "COMP"


class Component:
    def __init__(self, name, formula, mw, tb, cas, cls, synonyms, ident):
        self.name = name.upper()
        self.formula = formula.upper()
        self.mw = mw
        self.tb = tb
        self.cas = cas
        self.cls = cls
        self.synonyms = [s.upper() for s in synonyms if s and s.upper() != name.upper()]
        self.id = ident or default_id(name)

    def check(self, where):
        for text, size, what in ((self.name, NAME_SIZE, "name"),
                                 (self.formula, FORMULA_SIZE, "formula"),
                                 (self.cas, CAS_SIZE, "CAS number"),
                                 (self.cls, CLASS_SIZE, "class"),
                                 (self.id, ID_SIZE + 1, "ID")):
            if len(text) >= size:
                sys.exit(f"{where}: the {what} \"{text}\" does not fit its field")
        for synonym in self.synonyms:
            if len(synonym) >= NAME_SIZE:
                sys.exit(f"{where}: the alternate name \"{synonym}\" does not fit its field")

    def row(self):
        tb = "" if self.tb is None else f"{self.tb:.2f}"
        return "\t".join([self.id, self.name, self.formula, f"{self.mw:.4f}", tb, self.cas,
                          self.cls, "|".join(self.synonyms)])


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--out", required=True)
    parser.add_argument("--cml", default="/usr/share/chemical-structures")
    parser.add_argument("--tables", default=os.path.dirname(os.path.abspath(__file__)))
    args = parser.parse_args()

    databanks = {}

    def put(bank, component):
        databanks.setdefault(bank, {})
        databanks[bank].setdefault(component.name, component)

    curated = {row["key"]: row for row in read_table(os.path.join(args.tables, "organics.tsv"))}
    used = set()
    if os.path.isdir(args.cml):
        for folder in sorted(os.listdir(args.cml)):
            path = os.path.join(args.cml, folder)
            if folder in SKIPPED_FOLDERS or not os.path.isdir(path):
                continue
            for file in sorted(os.listdir(path)):
                if not file.endswith(".cml"):
                    continue
                key = folder + "/" + file[:-4]
                name, formula, mw, tb, mol = read_cml(os.path.join(path, file))
                row = curated.get(key, {})
                used.add(key)
                systematic = name.upper()
                common = row.get("name") or systematic
                if len(common) >= NAME_SIZE:
                    continue
                synonyms = [s for s in row.get("synonyms", "").split("|") if s]
                if systematic != common and len(systematic) < NAME_SIZE:
                    synonyms.append(systematic)
                if row.get("tb"):
                    tb = float(row["tb"])
                component = Component(common, formula, mw, tb, row.get("cas", ""),
                                      row.get("class") or structure_class(mol), synonyms, "")
                component.check(key)
                put(MAIN_DATABANK, component)
                for bank in row.get("databanks", "").split():
                    put(bank, component)
    else:
        print(f"warning: {args.cml} not found; the databanks hold the inorganic table only",
              file=sys.stderr)
    missing = set(curated) - used
    if missing and os.path.isdir(args.cml):
        sys.exit("organics.tsv names structures that do not exist: " + ", ".join(sorted(missing)))

    for number, row in enumerate(read_table(os.path.join(args.tables, "inorganic.tsv")), 1):
        tb = float(row["tb"]) if row["tb"] else None
        component = Component(row["name"], row["formula"], float(row["mw"]), tb, row["cas"],
                              row["class"], row["synonyms"].split("|"), "")
        component.check(f"inorganic.tsv row {number}")
        for bank in row["databanks"].split():
            put(bank, component)

    # One ID per component, the same in every databank, unique across them.
    taken = set()
    for component in sorted({id(c): c for bank in databanks.values() for c in bank.values()}
                            .values(), key=lambda c: c.name):
        base, number = component.id, 1
        while component.id in taken:
            number += 1
            component.id = base[:ID_SIZE - len(str(number))] + str(number)
        taken.add(component.id)

    os.makedirs(args.out, exist_ok=True)
    for bank, components in databanks.items():
        with open(os.path.join(args.out, bank + ".tsv"), "w", encoding="ascii") as f:
            f.write("# Generated by data/databanks/generate_databanks.py; do not edit.\n")
            f.write("id\tname\tformula\tmw\ttb\tcas\tclass\tsynonyms\n")
            for component in sorted(components.values(), key=lambda c: c.name):
                f.write(component.row() + "\n")
    with open(os.path.join(args.out, "databanks.list"), "w", encoding="ascii") as f:
        # The order in which the engine offers the databanks.
        order = [MAIN_DATABANK] + sorted(b for b in databanks if b != MAIN_DATABANK)
        f.write("\n".join(order) + "\n")


if __name__ == "__main__":
    main()
