<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nb_NO">
<context>
    <name>Language</name>
    <message>
        <location filename="../common/ui/Language.cpp" line="+126"/>
        <source>&amp;Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>System Language</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
