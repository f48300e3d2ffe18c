#pragma once

#include <QByteArray>

// A page of ordinary markup (headings, paragraphs with links, small tables and lists) of about
// `bytes` bytes, each block followed by `lineEnd`.
inline QByteArray benchmarkPage(int bytes, const QByteArray& lineEnd = {})
{
    QByteArray html = "<html><head><title>Bench</title></head><body>" + lineEnd;
    int i = 0;
    while (html.size() < bytes) {
        html += "<h2>Section " + QByteArray::number(i) + "</h2>" + lineEnd + "<p>Some <b>bold</b> and <i>italic</i> text with a "
                "<a href=\"page" + QByteArray::number(i) + ".htm\">link</a> in a paragraph long enough to wrap "
                "over more than one line of the preview at its usual width.</p>" + lineEnd;
        if (i % 10 == 0)
            html += "<table border=1><tr><td>a</td><td>b</td></tr><tr><td>c</td><td>d</td></tr></table>" + lineEnd;
        if (i % 7 == 0)
            html += "<ul><li>one</li><li>two</li><li>three</li></ul>" + lineEnd;
        ++i;
    }
    return html + "</body></html>" + lineEnd;
}
