#!/usr/bin/env python3
"""Writes one long text as the forms the loader benchmark reads: EPUB, FB2,
DOCX, UTF-8 and UTF-16 text, and the same text in code page 1251 as plain
text. Usage: make_big_books.py FOLDER [MEGABYTES_OF_TEXT]"""
import os
import sys
import zipfile

PARAGRAPH = ("Marta kept the lamps of Cobble Lane for eleven winters, and in all that time "
             "she never missed a wick. \u201cSomebody always reads a ledger,\u201d she answered "
             "\u2014 and went on writing; \u041c\u044b \u0438\u0449\u0435\u043c "
             "\u0434\u043e\u0440\u043e\u0433\u0443 \u0434\u043e\u043c\u043e\u0439.")
CHAPTERS = 50


def escape(text):
    return text.replace("&", "&amp;").replace("<", "&lt;").replace(">", "&gt;")


def paragraphs(megabytes):
    count = megabytes * 1000000 // (len(PARAGRAPH) + 2)
    return [PARAGRAPH] * count


def chapters(paras):
    per = (len(paras) + CHAPTERS - 1) // CHAPTERS
    return [paras[i:i + per] for i in range(0, len(paras), per)]


def write_epub(path, paras):
    with zipfile.ZipFile(path, "w", zipfile.ZIP_DEFLATED) as z:
        z.writestr(zipfile.ZipInfo("mimetype"), "application/epub+zip", zipfile.ZIP_STORED)
        z.writestr("META-INF/container.xml",
                   '<?xml version="1.0"?><container version="1.0" '
                   'xmlns="urn:oasis:names:tc:opendocument:xmlns:container"><rootfiles>'
                   '<rootfile full-path="OEBPS/content.opf" '
                   'media-type="application/oebps-package+xml"/></rootfiles></container>')
        parts = chapters(paras)
        manifest = ['<item id="nav" href="nav.xhtml" media-type="application/xhtml+xml" '
                    'properties="nav"/>']
        spine = []
        for i, part in enumerate(parts):
            name = "ch%03d.xhtml" % i
            manifest.append('<item id="c%d" href="%s" media-type="application/xhtml+xml"/>'
                            % (i, name))
            spine.append('<itemref idref="c%d"/>' % i)
            body = "".join("<p>%s</p>\n" % escape(p) for p in part)
            z.writestr("OEBPS/" + name,
                       '<?xml version="1.0" encoding="UTF-8"?>\n<html '
                       'xmlns="http://www.w3.org/1999/xhtml"><head><title>%d</title></head>'
                       '<body><h1>Chapter %d</h1>\n%s</body></html>' % (i, i, body))
        z.writestr("OEBPS/nav.xhtml", '<?xml version="1.0"?><html '
                   'xmlns="http://www.w3.org/1999/xhtml"><body><nav/></body></html>')
        z.writestr("OEBPS/content.opf",
                   '<?xml version="1.0"?><package xmlns="http://www.idpf.org/2007/opf" '
                   'version="3.0"><manifest>%s</manifest><spine>%s</spine></package>'
                   % ("".join(manifest), "".join(spine)))


def fb2_text(paras):
    sections = "".join("<section><title><p>Chapter %d</p></title>%s</section>\n"
                       % (i, "".join("<p>%s</p>\n" % escape(p) for p in part))
                       for i, part in enumerate(chapters(paras)))
    return ('<?xml version="1.0" encoding="UTF-8"?>\n<FictionBook '
            'xmlns="http://www.gribuser.ru/xml/fictionbook/2.0"><description><title-info>'
            '<book-title>Lamps</book-title></title-info></description><body>%s</body>'
            '</FictionBook>\n' % sections)


def write_docx(path, paras):
    body = "".join('<w:p><w:r><w:t xml:space="preserve">%s</w:t></w:r></w:p>' % escape(p)
                   for p in paras)
    with zipfile.ZipFile(path, "w", zipfile.ZIP_DEFLATED) as z:
        z.writestr("[Content_Types].xml",
                   '<?xml version="1.0"?><Types xmlns="http://schemas.openxmlformats.org/'
                   'package/2006/content-types"/>')
        z.writestr("word/document.xml",
                   '<?xml version="1.0" encoding="UTF-8" standalone="yes"?>\n<w:document '
                   'xmlns:w="http://schemas.openxmlformats.org/wordprocessingml/2006/main">'
                   '<w:body>%s</w:body></w:document>' % body)


def main():
    folder = sys.argv[1]
    megabytes = int(sys.argv[2]) if len(sys.argv) > 2 else 50
    os.makedirs(folder, exist_ok=True)
    paras = paragraphs(megabytes)
    text = "\r\n".join(paras) + "\r\n"
    with open(os.path.join(folder, "big.txt"), "wb") as f:
        f.write(text.encode("cp1251"))
    with open(os.path.join(folder, "big-utf8.txt"), "wb") as f:
        f.write(text.encode("utf-8"))
    with open(os.path.join(folder, "big-utf16.txt"), "wb") as f:
        f.write(b"\xff\xfe" + text.encode("utf-16-le"))
    with open(os.path.join(folder, "big.fb2"), "wb") as f:
        f.write(fb2_text(paras).encode("utf-8"))
    write_epub(os.path.join(folder, "big.epub"), paras)
    write_docx(os.path.join(folder, "big.docx"), paras)


if __name__ == "__main__":
    main()
