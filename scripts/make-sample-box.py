#!/usr/bin/env python3
"""Writes the sample card box of data/: three card files and the language file,
Windows-1252 with CR LF, each card file sorted by base word as the editor keeps it."""
import pathlib
import unicodedata

GERMAN = """
Abend|abends|Am Abend lesen wir.
Affe|affig|Der Affe klettert auf den Baum.
Ameise|Ameisenhaufen|Die Ameise trägt ein Blatt.
Apfel|Äpfel|Der Apfel ist rot.
Arzt|Ärztin|Der Arzt hört mein Herz ab.
Ast|Äste|Der Vogel sitzt auf dem Ast.
Auge|Augenbraue|Ich mache ein Auge zu.
Auto|Autobahn|Das Auto ist schnell.
Ball|Bälle|Wir spielen mit dem Ball.
Bär|Bärin|Der Bär mag Honig.
Baum|Bäume|Der Baum ist hoch.
Berg|bergig|Wir wandern auf den Berg.
Bett|Bettdecke|Abends gehe ich ins Bett.
Biene|Bienenstock|Die Biene summt.
Blatt|Blätter|Das Blatt ist grün.
Blume|Blumenvase|Die Blume riecht gut.
Boot|Ruderboot|Das Boot schwimmt auf dem See.
Brief|Briefkasten|Ich schreibe Oma einen Brief.
Brot|Brötchen|Das Brot ist frisch.
Buch|Bücher|Ich lese ein Buch.
Dach|Dächer|Die Katze sitzt auf dem Dach.
Drache|Drachen|Der Drache steigt hoch.
Ei|Eier|Das Huhn legt ein Ei.
Eis|eisig|Im Sommer essen wir Eis.
Ente|Entenküken|Die Ente schwimmt im Teich.
Fahrrad|fahren|Ich fahre mit dem Fahrrad.
Fenster|Fensterbank|Das Fenster ist offen.
Fisch|fischen|Der Fisch schwimmt schnell.
Frosch|Frösche|Der Frosch springt ins Wasser.
Fuß|Füße|Mein Fuß ist kalt.
Gabel|gabeln|Ich esse mit der Gabel.
Garten|Gärtner|Im Garten wachsen Blumen.
Geschenk|schenken|Das Geschenk ist für dich.
Glas|Gläser|Das Glas ist voll.
Gras|grasen|Die Kuh frisst Gras.
Hand|Hände|Gib mir die Hand.
Haus|Häuser|Das Haus ist groß.
Heft|Hefte|Ich schreibe in mein Heft.
Herz|herzlich|Mein Herz schlägt schnell.
Hose|Hosentasche|Die Hose ist blau.
Huhn|Hühner|Das Huhn pickt Körner.
Hund|Hunde|Der Hund bellt laut.
Igel|Igelmutter|Der Igel hat Stacheln.
Insel|Inseln|Das Schiff fährt zur Insel.
Jacke|Jacken|Zieh deine Jacke an.
Kakao|Kakaobohne|Ich trinke warmen Kakao.
Käse|käsig|Der Käse hat Löcher.
Katze|Kätzchen|Die Katze schnurrt.
Kind|Kinder|Das Kind lacht.
Kuchen|Kuchenstück|Der Kuchen schmeckt süß.
Kuh|Kühe|Die Kuh gibt Milch.
Lampe|Lampen|Die Lampe leuchtet hell.
Laub|Laubbaum|Im Herbst fällt das Laub.
Löwe|Löwin|Der Löwe brüllt laut.
Maus|Mäuse|Die Maus ist klein.
Milch|milchig|Ich trinke ein Glas Milch.
Mond|Mondschein|Der Mond scheint in der Nacht.
Mund|mündlich|Mach den Mund auf.
Mütze|Mützen|Im Winter trage ich eine Mütze.
Nase|näseln|Meine Nase ist kalt.
Nest|Nester|Im Nest liegen drei Eier.
Ofen|Backofen|Der Ofen ist heiß.
Ohr|Ohren|Ich höre mit dem Ohr.
Pferd|Pferde|Das Pferd galoppiert.
Pilz|Pilze|Im Wald wächst ein Pilz.
Puppe|Puppen|Die Puppe hat rote Haare.
Rad|Räder|Das Rad dreht sich.
Regen|regnen|Der Regen macht alles nass.
Rose|Rosen|Die Rose hat Dornen.
Salz|salzig|Das Salz steht auf dem Tisch.
Schiff|Schiffe|Das Schiff fährt über das Meer.
Schnee|schneien|Der Schnee ist weiß.
Schule|Schüler|Die Schule beginnt um acht.
Sonne|sonnig|Die Sonne scheint warm.
Straße|Straßen|Die Straße ist lang.
Stuhl|Stühle|Der Stuhl hat vier Beine.
Tasche|Taschen|Die Tasche ist schwer.
Tisch|Tische|Das Buch liegt auf dem Tisch.
Tür|Türen|Bitte mach die Tür zu.
Uhr|Uhrzeit|Die Uhr tickt leise.
Vogel|Vögel|Der Vogel singt ein Lied.
Wald|Wälder|Im Wald ist es still.
Wasser|wässrig|Ich trinke Wasser.
Wolke|wolkig|Die Wolke ist grau.
Zahn|Zähne|Ich putze meine Zähne.
Zebra|Zebras|Das Zebra hat Streifen.
Zug|Züge|Der Zug fährt ab.
"""

ENGLISH = """
apple|apples|I eat an apple.
baby|babies|The baby is sleeping.
ball|balls|Throw the ball to me.
bed|bedroom|I go to bed at eight.
bird|birds|The bird can fly.
boat|boats|The boat is on the lake.
book|books|I read a book.
box|boxes|The box is empty.
bread|breadcrumb|We eat bread for breakfast.
cake|cakes|The cake is sweet.
car|cars|The car is red.
cat|kitten|The cat is black.
chair|chairs|Sit on the chair.
child|children|The child is happy.
cow|cows|The cow eats grass.
dog|puppy|My dog likes to run.
door|doors|Please close the door.
duck|ducks|The duck swims in the pond.
egg|eggs|I like eggs.
eye|eyes|Close your eyes.
fish|fishing|The fish swims fast.
flower|flowers|The flower smells nice.
friend|friendly|You are my friend.
frog|frogs|The frog jumps high.
garden|gardener|We play in the garden.
hand|handy|Give me your hand.
horse|horses|The horse runs fast.
house|houses|My house is big.
king|kingdom|The king has a crown.
milk|milky|I drink milk.
moon|moonlight|The moon is bright.
mouse|mice|The mouse is small.
rain|rainy|The rain is wet.
school|schoolbag|I go to school.
sea|seaside|The sea is blue.
snow|snowman|The snow is cold.
sun|sunny|The sun is hot.
table|tables|The book is on the table.
tree|trees|The tree is tall.
water|watery|Fish live in water.
window|windows|Look out of the window.
"""

FRENCH = """
abeille|abeilles|L'abeille fait du miel.
âne|ânesse|L'âne porte un sac.
arbre|arbres|L'arbre est très grand.
avion|aviateur|L'avion vole haut.
bateau|bateaux|Le bateau est sur la mer.
bébé|bébés|Le bébé dort.
bœuf|bœufs|Le bœuf tire la charrette.
boîte|boîtes|La boîte est vide.
cahier|cahiers|J'écris dans mon cahier.
chat|chaton|Le chat dort au soleil.
château|châteaux|Le roi vit dans un château.
chien|chiot|Le chien aboie.
cœur|cœurs|Mon cœur bat vite.
crayon|crayons|Je dessine avec un crayon.
école|écolier|Je vais à l'école.
élève|élèves|L'élève lit un livre.
fenêtre|fenêtres|La fenêtre est ouverte.
fête|fêter|La fête commence ce soir.
fleur|fleurir|La fleur sent bon.
forêt|forestier|La forêt est calme.
fraise|fraisier|La fraise est rouge.
garçon|garçons|Le garçon joue au ballon.
gâteau|gâteaux|Le gâteau est délicieux.
glace|glacé|J'aime la glace à la vanille.
hiver|hivernal|En hiver il fait froid.
jardin|jardinier|Nous jouons dans le jardin.
lait|laitier|Je bois du lait.
leçon|leçons|La leçon est facile.
livre|livres|Je lis un livre.
lune|lunaire|La lune brille la nuit.
maison|maisons|Ma maison est petite.
mère|grand-mère|Ma mère chante.
neige|neiger|La neige est blanche.
œil|yeux|Ferme un œil.
œuf|œufs|La poule pond un œuf.
oiseau|oiseaux|L'oiseau chante.
pain|boulanger|Le pain est chaud.
père|grand-père|Mon père lit le journal.
pomme|pommier|La pomme est verte.
sœur|sœurs|Ma sœur a six ans.
soleil|ensoleillé|Le soleil brille.
tête|têtu|J'ai mal à la tête.
"""

LANGUAGE_FILE = [
    "AÄBCDEFGHIJKLMNOÖPQRSTUÜVWXYZaäbcdefghijklmnoöpqrstuüvwxyzß",
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz'-",
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyzàâæçéèêëîïôœùûüÿ'-",
]


def fold(word):
    """The order the editor keeps: without regard to case, an umlaut or
    accented letter beside its base letter, "ß" as "ss", "œ" as "oe", "æ" as "ae"."""
    text = word.lower().replace("ß", "ss").replace("œ", "oe").replace("æ", "ae")
    text = unicodedata.normalize("NFD", text)
    return "".join(c for c in text if not unicodedata.combining(c))


def cards(table):
    rows = [line.split("|") for line in table.strip().splitlines()]
    rows.sort(key=lambda r: fold(r[0]))
    # every box from "0" to "6" gets cards; box 1 gets the most
    pattern = "1213140152613124"
    return [(pattern[i % len(pattern)], *row) for i, row in enumerate(rows)]


def write(path, lines):
    data = "".join(line + "\r\n" for line in lines).encode("cp1252")
    path.write_bytes(data)


def main():
    data = pathlib.Path(__file__).resolve().parent.parent / "data"
    data.mkdir(exist_ok=True)
    for name, table in (("ZEKCARD1.LST", GERMAN), ("ZEKCARD2.LST", ENGLISH), ("ZEKCARD3.LST", FRENCH)):
        rows = cards(table)
        for row in rows:
            assert all("," not in f for f in row), row
        write(data / name, [", ".join(row) for row in rows])
    write(data / "ZEKCARDS.INI", LANGUAGE_FILE)


if __name__ == "__main__":
    main()
